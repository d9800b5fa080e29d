// The about box.
#pragma once

#include "shell/about_box.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class AboutBoxWidget : public ScreenDialog {
public:
    AboutBoxWidget(AboutBox& model, QWidget* parent);

protected:
    void render() override {}
    void cancelPressed() override { model_.ok(); }

private:
    AboutBox& model_;
};

}  // namespace ambon::ui
