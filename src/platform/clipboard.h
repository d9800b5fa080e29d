// The clipboard, plain text only.
#pragma once

#include <string>

namespace ambon {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
    virtual std::string text() const = 0;
    virtual void clear() = 0;
};

}  // namespace ambon
