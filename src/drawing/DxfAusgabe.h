#pragma once
// The lowest layer of the DXF writer: lines of text, each ended by carriage return and line
// feed, collected in a buffer and handed in large pieces to where the drawing goes (a file
// written safely, or a string). A failed hand-over is remembered; everything after it is
// dropped and the caller learns of it from ok() and beende().
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

    // One line: the text, then CR LF.
    void zeile(std::string_view text)
    {
        puffer_.append(text);
        puffer_.append("\r\n", 2);
        pruefePuffer();
    }
    // A group: its code line and its value line.
    void gruppe(std::string_view code, std::string_view wert)
    {
        puffer_.append(code);
        puffer_.append("\r\n", 2);
        puffer_.append(wert);
        puffer_.append("\r\n", 2);
        pruefePuffer();
    }
    // Text that already holds whole lines with their line ends.
    void roh(std::string_view zeilen)
    {
        puffer_.append(zeilen);
        pruefePuffer();
    }
    // The buffer itself, for record writers that assemble a record in place; call
    // pruefePuffer() afterwards.
    std::string& puffer() { return puffer_; }
    void pruefePuffer()
    {
        if (puffer_.size() >= kSchwelle)
            leeren();
    }

    // Hands over what is buffered. False when this or any earlier hand-over failed.
    bool beende();
    bool ok() const { return ok_; }

private:
    static constexpr std::size_t kSchwelle = std::size_t{1} << 20;
    void leeren();

    DxfSenke& senke_;
    std::string puffer_;
    bool ok_ = true;
};

} // namespace umbrin
