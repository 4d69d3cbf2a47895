#pragma once
// The one guard of a print or an export. Whatever way the job ends, the placement of the
// gnomon foot and legend is put back as it was, the temporary files are removed and the
// actions registered for the end run (cursor, printer orientation). When the job did not
// reach its end (an error, an exception, a refusal), the actions registered for an abort run
// first (the print job is aborted) and the files the job had begun are removed.
#include "core/State.h"
#include "drawing/Platzierung.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace umbrin {

class Auftragsschutz {
public:
    explicit Auftragsschutz(AppState& s);
    ~Auftragsschutz();
    Auftragsschutz(const Auftragsschutz&) = delete;
    Auftragsschutz& operator=(const Auftragsschutz&) = delete;

    // A file that is removed when the job ends, however it ends.
    void temporaer(const std::filesystem::path& datei);
    // A file the job has begun; removed unless the job reaches its end.
    void begonnen(const std::filesystem::path& datei);
    // The file is finished and stays even if a later step fails.
    void fertig(const std::filesystem::path& datei);
    // Runs at the end in every case, the last registered first.
    void beimEnde(std::function<void()> aktion);
    // Runs first when the job did not reach its end.
    void beimAbbruch(std::function<void()> aktion);

    // The job reached its end.
    void erfolgreich() { erfolgreich_ = true; }
    bool istErfolgreich() const { return erfolgreich_; }

    const Platzierung& gesichertePlatzierung() const { return platzierung_; }

private:
    AppState& s_;
    Platzierung platzierung_;
    bool erfolgreich_ = false;
    std::vector<std::filesystem::path> temporaer_;
    std::vector<std::filesystem::path> begonnen_;
    std::vector<std::function<void()>> ende_;
    std::vector<std::function<void()>> abbruch_;
};

} // namespace umbrin
