#pragma once
// The two switches of the tables window that the sun-path diagrams read besides the shared
// state: hour lines of mean time with the equation of time (figure-eight loops) instead of
// apparent time, and the sunlit and shaded parts of a dial plane in the cartesian diagram.
namespace umbrin {

struct SonnenstandSchalter {
    bool StundenMitZeitgl = false;
    bool EbeneBesonnt = false;
};

} // namespace umbrin
