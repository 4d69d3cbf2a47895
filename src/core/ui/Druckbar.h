#pragma once
// A working window that the main window's print command (F3) can print: the drawing window
// prints its dial, its angle table or its information sheet, the tables window its table.
namespace umbrin {

class Druckbar {
public:
    virtual ~Druckbar() = default;
    virtual void druckeFenster() = 0;
};

} // namespace umbrin
