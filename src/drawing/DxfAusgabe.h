#pragma once
// The lowest layer of the DXF writer: lines of text, each ended by carriage return and line
// feed, collected in a buffer and handed in large pieces to where the drawing goes (a file
// written safely, or a string). A failed hand-over is remembered; everything after it is
// dropped and the caller learns of it from ok() and beende().
#include <condition_variable>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace umbrin {

class SafeFileWriter;

// Where the DXF text goes.
class DxfSenke {
public:
    virtual ~DxfSenke() = default;
    // Takes the first n bytes of puffer, which holds kapazitaet bytes. The sink may keep the
    // buffer and put another one (and its size) in its place. False when the bytes are lost.
    virtual bool nimm(std::unique_ptr<char[]>& puffer, std::size_t n, std::size_t& kapazitaet) = 0;
    // Waits until everything taken is where it goes. False when anything failed.
    virtual bool beende() { return true; }
};

// Collects the text in a string (tests, the fuzz target, the benchmark).
class DxfTextSenke : public DxfSenke {
public:
    explicit DxfTextSenke(std::string& ziel) : ziel_(ziel) {}
    bool nimm(std::unique_ptr<char[]>& puffer, std::size_t n, std::size_t& kapazitaet) override;

private:
    std::string& ziel_;
};

// Writes into an open SafeFileWriter on a thread of its own, so that the file is written
// while the plot is still being read and converted. Only a few buffers are in flight: when
// the disk is slower than the converter, the converter waits. The caller commits or abandons
// the file after beende().
class DxfDateiSenke : public DxfSenke {
public:
    explicit DxfDateiSenke(SafeFileWriter& datei);
    ~DxfDateiSenke() override;
    DxfDateiSenke(const DxfDateiSenke&) = delete;
    DxfDateiSenke& operator=(const DxfDateiSenke&) = delete;

    bool nimm(std::unique_ptr<char[]>& puffer, std::size_t n, std::size_t& kapazitaet) override;
    bool beende() override;

private:
    struct Stueck {
        std::unique_ptr<char[]> daten;
        std::size_t n = 0;
        std::size_t kapazitaet = 0;
    };
    void arbeite();
    bool schreibe(const char* daten, std::size_t n);

    SafeFileWriter& datei_;
    std::mutex mutex_;
    std::condition_variable signal_;
    std::deque<Stueck> voll_;  // waiting to be written
    std::vector<Stueck> frei_; // written, to be filled again
    int stuecke_ = 0;          // buffers in flight or free, besides the one being filled
    bool schluss_ = false;
    bool fehler_ = false;
    bool ohneFaden_ = false; // no thread could be started: written where they arrive
    std::thread schreiber_;
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

    // Puts neu in the place of the first alt characters written, while they are still in the
    // buffer (nothing has been handed over yet). False, with nothing changed, once they are not.
    bool ersetzeAnfang(std::size_t alt, std::string_view neu);

    // Hands over what is buffered and waits until the sink has it where it goes. False when
    // this or any earlier hand-over failed.
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
    bool abgegeben_ = false; // something went to the sink
};

} // namespace umbrin
