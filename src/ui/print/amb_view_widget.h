// The view of the main window: the command panel, or a printable document shown as a
// strip of pages 8 inches wide and 11 inches high.
#pragma once

#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <map>

#include "print/amb_view.h"
#include "shell/main_frame.h"

namespace ambon::ui {

// The pages of the shown document, drawn at the screen's resolution.
class PageStripWidget : public QWidget {
public:
    PageStripWidget(CAmbView& view, QWidget* parent);
    QSize sizeHint() const override;
    void updateSize();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CAmbView& view_;
};

// The command panel: three groups of large buttons and "Sluit Programma".
class CommandPanelWidget : public QWidget {
public:
    CommandPanelWidget(CMainFrame& frame, QWidget* parent);
    // Enables the buttons by their availability rules.
    void refreshStates();
    QPushButton* button(int id) const;

private:
    CMainFrame& frame_;
    std::map<int, QPushButton*> buttons_;
    std::map<int, std::vector<std::pair<int, QAction*>>> popupActions_;
};

class CAmbViewWidget : public QStackedWidget {
public:
    CAmbViewWidget(CAmbView& view, CMainFrame& frame, QWidget* parent);

    CommandPanelWidget* panel() const { return panel_; }
    // Shows the panel or the document, as the view's mode says.
    void showMode();

protected:
    // The page strip's keys: a line is a tenth of an inch across and a sixth down, a page
    // 2 inches across and 4 inches down.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CAmbView& view_;
    CommandPanelWidget* panel_;
    QScrollArea* scroll_;
    PageStripWidget* strip_;
};

}  // namespace ambon::ui
