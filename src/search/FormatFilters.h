#pragma once

// The six player-format check boxes of the setup dialog, in the order their query parameters
// are sent.
struct FormatFilters
{
    bool RA = false; // RealAudio
    bool MA = false; // MP3 ShoutCast
    bool RV = false; // RealVideo
    bool NA = false; // Microsoft Media (Audio)
    bool NV = false; // Microsoft Media (Video)
    bool SW = false; // StreamWorks

    bool all() const { return RA && MA && RV && NA && NV && SW; }
    static FormatFilters allSelected() { return {true, true, true, true, true, true}; }
};
