// The printers the program can reach.
#pragma once

#include <optional>
#include <string>

namespace ambon {

struct PrinterInfo {
    std::string name;
    int dpiX = 300;
    int dpiY = 300;
};

class Printers {
public:
    virtual ~Printers() = default;
    // The default printer, nothing when there is none.
    virtual std::optional<PrinterInfo> defaultPrinter() const = 0;
    // The printer set-up dialog; the printer chosen there becomes the default.
    virtual bool setup() = 0;
};

}  // namespace ambon
