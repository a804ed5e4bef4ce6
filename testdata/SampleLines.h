// SampleLines: invented record lines for the sample data folders.
//
// Each kind of data file gets lines of its own shape (class lists of invented
// pupils, timetable rows, codes, events, print-layout fields), comma-separated
// and holding Shift-JIS (CP932) text, as the family's data files do. Names and
// words are drawn from small tables of common words; no line is copied from
// any real file. Some Shift-JIS words carry the byte 0x5C ('\') as their
// second byte, which naive byte-wise tools mistake for a separator.
#pragma once

#include <cstdint>
#include <string>

#include "SampleRandom.h"

enum class LineKind {
    kRoster,     // a pupil of a class list
    kTeacher,    // a teacher with subject and home room
    kTimetable,  // one period of the weekly timetable
    kCode,       // a code table entry
    kEvent,      // a school event or meeting
    kRule,       // an evaluation rule; now and then a line over 255 bytes
    kLayout,     // a field of a print layout
};

// Returns line number index (from 0) of a file of the given kind, without a
// line end. The text depends only on kind, index and the random state.
std::string SampleLine(LineKind kind, std::uint64_t index, SampleRandom& random);
