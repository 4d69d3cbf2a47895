#pragma once
// What the ring dial's tests share: a state set to the ring dial, the ring's plot written
// into memory, and a plot split into its commands.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "dials/ring/RingHpgl.h"
#include "support/ScriptedPrompt.h"

#include <string>
#include <vector>

namespace umbrin::ringtest {

inline AppState ringZustand()
{
    AppState s;
    initialisiereZustand(s);
    s.UhrTyp = 'r';
    return s;
}

// The plot of the state's ring; grund gets the writer's reason when it wrote none.
inline std::string ringPlot(const AppState& s, test::ScriptedPrompt& frage, std::string* grund = nullptr)
{
    HPGLDatei d;
    d.oeffnenImSpeicher();
    const std::string g =
        schreibeRingsonnenuhrHPGL(s, d, frage, s.Par.RingDurchmesser, s.Par.RingBreite, s.Par.RingAlpha);
    if (grund)
        *grund = g;
    return d.inhalt();
}

inline std::string ringPlot(const AppState& s)
{
    test::ScriptedPrompt frage;
    return ringPlot(s, frage);
}

// The commands of a plot, split at each ';' (no label of the ring's plot holds one).
inline std::vector<std::string> plotBefehle(const std::string& plot)
{
    std::vector<std::string> befehle;
    for (std::size_t a = 0, e; a < plot.size(); a = e + 1) {
        e = plot.find(';', a);
        if (e == std::string::npos)
            e = plot.size();
        befehle.push_back(plot.substr(a, e - a));
    }
    return befehle;
}

} // namespace umbrin::ringtest
