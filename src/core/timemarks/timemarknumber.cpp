#include "timemarks/timemarknumber.h"

#include <charconv>
#include <cmath>

namespace {

// Longer cells are never numbers; the bound keeps the scratch buffer on the stack.
constexpr int MaxChars = 96;
constexpr int MaxTokens = 8;

struct Token
{
    int begin = 0;
    int end = 0;
    int size() const { return end - begin; }
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(const char *text, int size)
{
    if (size <= 0)
        return false;
    for (int i = 0; i < size; ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

bool toDouble(const char *begin, const char *end, double *value)
{
    if (begin < end && *begin == '+') {
        ++begin;
        if (begin < end && *begin == '-')
            return false;
    }
    if (begin == end || *begin == '+')
        return false;
    const auto result = std::from_chars(begin, end, *value, std::chars_format::general);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(*value);
}

// "1 234 567.5": a sign and 1-3 digits, then groups of exactly three digits, the last one
// possibly followed by a fraction.
bool readGrouped(char *buf, const Token *tokens, int count, double *value)
{
    const Token &head = tokens[0];
    int signSize = (buf[head.begin] == '-' || buf[head.begin] == '+') ? 1 : 0;
    const int headDigits = head.size() - signSize;
    if (headDigits < 1 || headDigits > 3 || !allDigits(buf + head.begin + signSize, headDigits))
        return false;
    for (int t = 1; t < count; ++t) {
        const Token &group = tokens[t];
        const bool last = t == count - 1;
        if (group.size() < 3 || !allDigits(buf + group.begin, 3))
            return false;
        if (group.size() > 3 && (!last || buf[group.begin + 3] != '.'))
            return false;
    }
    char joined[MaxChars];
    int size = 0;
    for (int t = 0; t < count; ++t) {
        for (int i = tokens[t].begin; i < tokens[t].end; ++i)
            joined[size++] = buf[i];
    }
    return toDouble(joined, joined + size, value);
}

bool readDms(char *buf, const Token *tokens, double *value)
{
    const Token &d = tokens[0];
    const Token &m = tokens[1];
    const Token &s = tokens[2];
    const bool negative = buf[d.begin] == '-';
    const int signSize = (negative || buf[d.begin] == '+') ? 1 : 0;
    if (!allDigits(buf + d.begin + signSize, d.size() - signSize) || m.size() > 2 ||
        !allDigits(buf + m.begin, m.size()))
        return false;
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    if (!toDouble(buf + d.begin + signSize, buf + d.end, &degrees) ||
        !toDouble(buf + m.begin, buf + m.end, &minutes) ||
        !toDouble(buf + s.begin, buf + s.end, &seconds))
        return false;
    if (buf[s.begin] == '-' || buf[s.begin] == '+' || minutes >= 60.0 || seconds >= 60.0)
        return false;
    const double magnitude = degrees + minutes / 60.0 + seconds / 3600.0;
    *value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

double TimemarkNumber::parse(QStringView text, bool *ok, bool allowDms)
{
    if (ok)
        *ok = false;
    char buf[MaxChars];
    Token tokens[MaxTokens];
    int count = 0;
    int size = 0;
    bool inToken = false;
    for (const QChar ch : text) {
        if (ch.isSpace()) {
            if (inToken) {
                tokens[count - 1].end = size;
                inToken = false;
            }
            continue;
        }
        const ushort code = ch.unicode();
        if (code >= 0x80 || size >= MaxChars)
            return 0.0;
        if (!inToken) {
            if (count == MaxTokens)
                return 0.0;
            tokens[count++].begin = size;
            inToken = true;
        }
        buf[size++] = code == ',' ? '.' : char(code);
    }
    if (inToken)
        tokens[count - 1].end = size;

    double value = 0.0;
    bool read = false;
    if (count == 1)
        read = toDouble(buf, buf + size, &value);
    else if (count == 3 && allowDms && readDms(buf, tokens, &value))
        read = true;
    else if (count > 1)
        read = readGrouped(buf, tokens, count, &value);
    if (!read)
        return 0.0;
    if (ok)
        *ok = true;
    return value;
}
