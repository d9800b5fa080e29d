// A list of the numbers 00 to 99 in which the number at the top is the value: typing one
// or two digits selects a number, the arrow keys move the selection and wrap around,
// and when the list loses the focus its selected number is scrolled to the top.
#pragma once

#include <string>

#include "platform/dialog_view.h"

namespace ambon {

class NumberList {
public:
    // Opens with value at the top and nothing selected.
    void open(int value);
    void typeDigit(char digit);
    // delta -1 (up) or +1 (down); 99 follows 00 and the other way round.
    void arrow(int delta);
    void select(int row);
    void scrolledTo(int topRow);
    void focusGained() { typed_.clear(); }
    void focusLost();

    int top() const { return top_; }
    int selected() const { return selected_; }
    ListView view() const;

private:
    int top_ = 0;
    int selected_ = -1;
    std::string typed_;
};

}  // namespace ambon
