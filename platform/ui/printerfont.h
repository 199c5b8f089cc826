// The font of the printer's canvas: its family name, its size in points, and its height in device units,
// which for a size in points is negative: -round(size × the printer's vertical pixels per inch / 72).
#pragma once

#include <string>

namespace orupim::ui {

class PrinterFont {
public:
    // The platform's default font: its family, 8 points.
    static constexpr int DefaultSize = 8;

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    int size() const { return size_; }
    void setSize(int points) { size_ = points; }
    int height() const;

    int pixelsPerInch() const { return pixelsPerInch_; }
    void setPixelsPerInch(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

private:
    std::string name_;
    int size_ = DefaultSize;
    int pixelsPerInch_ = 96; // the screen's, until a job gives the printer's
};

} // namespace orupim::ui
