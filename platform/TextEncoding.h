// TextEncoding: the boundary between the dialog's texts (UTF-8) and the
// engine's byte strings.
//
// Titles live in base files as Shift-JIS (code page 932) bytes and their
// limits count those bytes; folder texts go to the engine as its folder
// texts and their limits count them as the program says (FolderText). Bytes
// the program was given (a title read from a base file, a folder from the
// environment file or the browser) are shown readably but cannot always come
// back from the text shown: the dialog keeps them and hands them on while
// their text is not edited (BytesOfText).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// How a text is held as bytes and how its limit counts them.
struct TextEncoding {
    enum class Form { kShiftJis, kFolderText };
    using ByteCounter = std::size_t (*)(std::string_view text);

    // Titles: Shift-JIS bytes.
    static const TextEncoding kShiftJis;
    // Folder texts, whose limits countBytes counts.
    static constexpr TextEncoding FolderText(ByteCounter countBytes) {
        return {Form::kFolderText, countBytes};
    }

    Form form;
    ByteCounter countBytes;  // kFolderText only
};
inline constexpr TextEncoding TextEncoding::kShiftJis{Form::kShiftJis, nullptr};

// Returns the number of bytes text takes in encoding. A character that
// Shift-JIS cannot hold counts as its substitute; U+FFFD, which stands for a
// byte that could not be decoded, counts as that one byte.
std::size_t EncodedLength(std::string_view text, TextEncoding encoding);

// Returns title as Shift-JIS bytes, or nullopt when a character of it has no
// Shift-JIS form (it would otherwise be written as a substitute). The forms
// input methods give for characters code page 932 holds under other code
// points (〜 U+301C, − U+2212, ‖ U+2016, — U+2014, ¢ £ ¬) are encoded as
// those characters.
std::optional<std::string> EncodeTitle(std::string_view title);

// Returns the first character of title that Shift-JIS cannot hold, or the
// empty text when there is none.
std::string FirstUnencodable(std::string_view title);

// Returns the Shift-JIS bytes title as text; bytes that are no Shift-JIS
// character (also a lead byte without its second byte) come out as U+FFFD.
std::string DecodeTitle(std::string_view title);

// Returns the engine's folder text path as text: unchanged when it is UTF-8,
// else decoded as Shift-JIS (names made on the family's original platform).
std::string DecodePath(std::string_view path);

// Returns held when text is still what held is shown as in encoding (an
// unedited text gives back its bytes unchanged, whatever could not be
// decoded), else text encoded afresh; nullopt when it is an edited title
// that Shift-JIS cannot hold.
std::optional<std::string> BytesOfText(std::string_view text, const std::string& held,
                                       TextEncoding encoding);
