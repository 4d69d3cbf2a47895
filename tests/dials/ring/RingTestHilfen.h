#pragma once
// What the ring dial's tests share: a state set to the ring dial, the ring's plot written
// into memory.
#include "core/HPGLDatei.h"
#include "core/State.h"
#include "dials/ring/RingHpgl.h"
#include "support/ScriptedPrompt.h"

#include <string>

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

} // namespace umbrin::ringtest
