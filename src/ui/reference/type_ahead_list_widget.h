// A list box that hands typed characters to its screen model (which searches the rows)
// instead of doing Qt's own keyboard search.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>

namespace ambon::ui {

class TypeAheadListWidget : public QListWidget {
public:
    // typed: one printable character, as UTF-8; focusGained: the list got the focus.
    TypeAheadListWidget(std::function<void(const std::string&)> typed,
                        std::function<void()> focusGained, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // Qt's own search would move the selection behind the model's back.
    void keyboardSearch(const QString&) override {}

private:
    std::function<void(const std::string&)> typed_;
    std::function<void()> focusGained_;
};

}  // namespace ambon::ui
