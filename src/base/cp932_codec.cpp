// Code page 932 conversion through the C library's iconv, with explicit substitution.
#include "base/cp932_codec.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace corvane {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

/// Owns one iconv descriptor.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    /// Converts `input`; at a position iconv cannot convert, `substitute` appends a
    /// replacement and returns how many input bytes to skip.
    template <typename Substitute> std::string run(std::string_view input, Substitute substitute) {
        std::string out;
        if (!valid()) {
            for (std::size_t i = 0; i < input.size();) {
                i += substitute(out, input.substr(i));
            }
            return out;
        }
        char chunk[4096];
        std::size_t pos = 0;
        while (pos < input.size()) {
            char* in = const_cast<char*>(input.data() + pos);
            std::size_t inLeft = input.size() - pos;
            char* outPtr = chunk;
            std::size_t outLeft = sizeof chunk;
            const std::size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
            pos = input.size() - inLeft;
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (error == E2BIG) continue;
            // EILSEQ (invalid or unconvertible) or EINVAL (cut off at the end).
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            pos += substitute(out, input.substr(pos));
        }
        return out;
    }

  private:
    iconv_t cd_;
};

/// Length of the UTF-8 sequence a lead byte announces; 1 for a byte that starts none.
std::size_t utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length > rest.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return 1;
    return length;
}

} // namespace

std::string decodeCp932(std::string_view bytes) {
    Converter converter("UTF-8", "CP932");
    return converter.run(bytes, [](std::string& out, std::string_view rest) -> std::size_t {
        // Plain ASCII survives even without a converter.
        const auto b = static_cast<unsigned char>(rest[0]);
        if (b < 0x80)
            out += static_cast<char>(b);
        else
            out += ReplacementCharacter;
        return 1;
    });
}

std::string encodeCp932(std::string_view utf8) {
    Converter converter("CP932", "UTF-8");
    return converter.run(utf8, [](std::string& out, std::string_view rest) -> std::size_t {
        const auto b = static_cast<unsigned char>(rest[0]);
        out += b < 0x80 ? static_cast<char>(b) : '?';
        return utf8SequenceLength(rest);
    });
}

std::vector<std::string> charactersOutsideCp932(std::string_view utf8) {
    std::vector<std::string> outside;
    Converter converter("CP932", "UTF-8");
    converter.run(utf8, [&outside](std::string&, std::string_view rest) -> std::size_t {
        if (static_cast<unsigned char>(rest[0]) < 0x80) return 1; // kept, as encodeCp932 does
        const std::size_t length = utf8SequenceLength(rest);
        std::string character(rest.substr(0, length));
        if (std::find(outside.begin(), outside.end(), character) == outside.end())
            outside.push_back(std::move(character));
        return length;
    });
    return outside;
}

} // namespace corvane
