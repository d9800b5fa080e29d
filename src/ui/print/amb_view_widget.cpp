// The command panel and the page strip of the main window.
#include "ui/print/amb_view_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/command_ids.h"
#include "shell/main_menu.h"
#include "ui/widget_support.h"

namespace ambon::ui {

PageStripWidget::PageStripWidget(CAmbView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setAutoFillBackground(false);
    updateSize();
}

QSize PageStripWidget::sizeHint() const {
    int pages = view_.pageCount();
    return QSize(logicalDpiX() * 8 + 24, (logicalDpiY() * 11 + 12) * pages + 12);
}

void PageStripWidget::updateSize() {
    resize(sizeHint());
}

void PageStripWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Dark));
    const int w = logicalDpiX() * 8;
    const int h = logicalDpiY() * 11;
    for (int page = 0; page < view_.pageCount(); ++page) {
        QRect r(12, 12 + page * (h + 12), w, h);
        p.fillRect(r.translated(3, 3), QColor(0, 0, 0, 60));
        p.fillRect(r, Qt::white);
        p.setPen(QColor(160, 160, 160));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

CommandPanelWidget::CommandPanelWidget(CMainFrame& frame, QWidget* parent)
    : QWidget(parent), frame_(frame) {
    setControlId(this, 143);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setHorizontalSpacing(12);
    int column = 0;
    for (const PanelGroup& group : commandPanel()) {
        auto* box = new QGroupBox(qs(group.caption), this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setSpacing(6);
        for (const PanelButton& spec : group.buttons) {
            auto* b = new QPushButton(qs(spec.caption), box);
            setControlId(b, spec.id);
            b->setMinimumHeight(34);
            b->setMinimumWidth(b->fontMetrics().horizontalAdvance(qs(spec.caption)) + 48);
            b->setAutoDefault(false);
            int shown =
                spec.command != 0 ? spec.command : (spec.popup.empty() ? 0 : spec.popup[0].command);
            b->setStatusTip(qs(commandPrompt(shown)));
            b->setWhatsThis(qs(commandPrompt(shown)));
            if (spec.command != 0) {
                int id = spec.id;
                connect(b, &QPushButton::clicked, this,
                        [this, id] { frame_.pressPanelButton(id); });
            } else {
                auto* menu = new QMenu(b);
                for (const MenuEntry& item : spec.popup) {
                    QAction* a = menu->addAction(qs(item.text));
                    a->setStatusTip(qs(commandPrompt(item.command)));
                    int command = item.command;
                    connect(a, &QAction::triggered, this,
                            [this, command] { frame_.execute(command); });
                    popupActions_[spec.id].push_back({command, a});
                }
                int id = spec.id;
                connect(menu, &QMenu::aboutToShow, this, [this, id] {
                    for (auto& [command, action] : popupActions_[id])
                        action->setEnabled(frame_.isEnabled(command));
                });
                b->setMenu(menu);
            }
            boxLayout->addWidget(b);
            buttons_[spec.id] = b;
        }
        boxLayout->addStretch(1);
        layout->addWidget(box, 0, column++);
    }
    PanelButton close = closeProgramButton();
    auto* closeButton = new QPushButton(qs(close.caption), this);
    setControlId(closeButton, close.id);
    closeButton->setMinimumHeight(34);
    closeButton->setAutoDefault(false);
    closeButton->setStatusTip(qs(commandPrompt(cmd::Close)));
    connect(closeButton, &QPushButton::clicked, this,
            [this] { frame_.pressPanelButton(panel::CloseProgram); });
    buttons_[close.id] = closeButton;
    layout->addWidget(closeButton, 1, column - 1);
    refreshStates();
}

void CommandPanelWidget::refreshStates() {
    for (auto& [id, b] : buttons_) b->setEnabled(frame_.isPanelButtonEnabled(id));
}

QPushButton* CommandPanelWidget::button(int id) const {
    auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

CAmbViewWidget::CAmbViewWidget(CAmbView& view, CMainFrame& frame, QWidget* parent)
    : QStackedWidget(parent), view_(view) {
    panel_ = new CommandPanelWidget(frame, this);
    scroll_ = new QScrollArea(this);
    strip_ = new PageStripWidget(view, scroll_);
    scroll_->setWidget(strip_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    scroll_->installEventFilter(this);
    addWidget(panel_);
    addWidget(scroll_);
    showMode();
}

void CAmbViewWidget::showMode() {
    if (view_.mode() == ViewMode::Panel) {
        setCurrentWidget(panel_);
    } else {
        strip_->updateSize();
        strip_->update();
        setCurrentWidget(scroll_);
        scroll_->setFocus();
    }
}

bool CAmbViewWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != scroll_ || event->type() != QEvent::KeyPress ||
        view_.mode() != ViewMode::Document)
        return QStackedWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QScrollBar* h = scroll_->horizontalScrollBar();
    QScrollBar* v = scroll_->verticalScrollBar();
    const int dx = logicalDpiX(), dy = logicalDpiY();
    switch (key->key()) {
        case Qt::Key_PageUp:
            v->setValue(v->value() - 4 * dy);
            return true;
        case Qt::Key_PageDown:
            v->setValue(v->value() + 4 * dy);
            return true;
        case Qt::Key_Home:
            v->setValue(v->minimum());
            return true;
        case Qt::Key_End:
            v->setValue(v->maximum());
            return true;
        case Qt::Key_Up:
            v->setValue(v->value() - dy / 6);
            return true;
        case Qt::Key_Down:
            v->setValue(v->value() + dy / 6);
            return true;
        case Qt::Key_Left:
            h->setValue(h->value() - dx / 10);
            return true;
        case Qt::Key_Right:
            h->setValue(h->value() + dx / 10);
            return true;
        default:
            return QStackedWidget::eventFilter(watched, event);
    }
}

}  // namespace ambon::ui
