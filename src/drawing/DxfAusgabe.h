#pragma once
// The lowest layer of the DXF writer: lines of text, each ended by carriage return and line
// feed, collected in a buffer and handed in large pieces to where the drawing goes (a file
// written safely, or a string). A failed hand-over is remembered; everything after it is
// dropped and the caller learns of it from ok() and beende().
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace umbrin {

class SafeFileWriter;

// Where the DXF text goes.
class DxfSenke {
public:
    virtual ~DxfSenke() = default;
    virtual bool schreibe(std::string_view bytes) = 0;
};

// Collects the text in a string (tests, the fuzz target, the benchmark).
class DxfTextSenke : public DxfSenke {
public:
    explicit DxfTextSenke(std::string& ziel) : ziel_(ziel) {}
    bool schreibe(std::string_view bytes) override;

private:
    std::string& ziel_;
};

// Writes into an open SafeFileWriter; the caller commits or abandons it.
class DxfDateiSenke : public DxfSenke {
public:
    explicit DxfDateiSenke(SafeFileWriter& datei) : datei_(datei) {}
    bool schreibe(std::string_view bytes) override;

private:
    SafeFileWriter& datei_;
};

class DxfAusgabe {
public:
    explicit DxfAusgabe(DxfSenke& senke);

    // Text that already holds whole lines with their line ends.
    void roh(std::string_view text)
    {
        char* p = platz(text.size());
        std::memcpy(p, text.data(), text.size());
        belegt(text.size());
    }
    // One line: the text, then CR LF.
    void zeile(std::string_view text)
    {
        char* p = platz(text.size() + 2);
        std::memcpy(p, text.data(), text.size());
        p[text.size()] = '\r';
        p[text.size() + 1] = '\n';
        belegt(text.size() + 2);
    }
    // Room for n more characters; write them, then call belegt(n).
    char* platz(std::size_t n)
    {
        if (benutzt_ + n > kapazitaet_)
            machePlatz(n);
        return daten_.get() + benutzt_;
    }
    void belegt(std::size_t n) { benutzt_ += n; }

    // Hands over what is buffered. False when this or any earlier hand-over failed.
    bool beende();
    bool ok() const { return ok_; }

private:
    void machePlatz(std::size_t n);
    void leeren();

    DxfSenke& senke_;
    std::unique_ptr<char[]> daten_;
    std::size_t benutzt_ = 0;
    std::size_t kapazitaet_ = 0;
    bool ok_ = true;
};

} // namespace umbrin
