// TextForm: where bytes leave the form the text-mode copy writes, so that the
// copy may pass everything before that point as it is.
//
// The copy reads through the text-mode rules (each CR LF becomes LF, the data
// ends at the first 0x1A) and writes through them (each LF becomes CR LF); a
// lone CR and every other byte pass both unchanged. So its result equals the
// file byte for byte exactly when the file holds no 0x1A and no LF without a
// CR before it: then every LF read came from a CR LF and is written back as
// one.
#pragma once

#include <cstddef>
#include <string_view>

// The position of the first byte of bytes that breaks the form (a 0x1A, or an
// LF without a CR before it; afterCr says whether the byte before bytes was a
// CR), or bytes.size() when none does.
std::size_t FirstOutOfForm(std::string_view bytes, bool afterCr);

// Whether a whole file, taken in pieces, is in the form.
class TextFormCheck {
  public:
    // Takes the file's next bytes, in order (a CR LF pair may be split between
    // two calls). Returns true while every byte taken so far keeps the form.
    bool Add(std::string_view bytes);

  private:
    bool afterCr_ = false;  // the last byte taken was a CR
    bool inForm_ = true;
};
