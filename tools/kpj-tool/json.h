// A small JSON writer for kpj-tool's output: objects, arrays, numbers and
// UTF-8 strings, with commas and indentation handled for the caller.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

class JsonWriter
{
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    // An array written on one line (for long lists of numbers).
    void BeginInlineArray()
    {
        Open('[');
        levels_.back().inlined = true;
    }
    void EndArray() { Close(']'); }

    // Starts a member of the current object; the next value belongs to it.
    void Key(const std::string& name)
    {
        Separate();
        WriteString(name);
        out_ << ": ";
        afterKey_ = true;
    }

    void Value(int64_t n)
    {
        Separate();
        out_ << n;
    }
    void Value(int16_t n) { Value(static_cast<int64_t>(n)); }
    void Value(int n) { Value(static_cast<int64_t>(n)); }
    void Value(bool b)
    {
        Separate();
        out_ << (b ? "true" : "false");
    }
    // Shortest text that reads back as the same number (plain decimals for
    // everyday magnitudes); null when not finite.
    void Value(float f) { Number(f); }
    void Value(double d) { Number(d); }
    void Value(const std::string& s)
    {
        Separate();
        WriteString(s);
    }
    void Value(const char* s) { Value(std::string(s)); }

    // Ends the document with a newline.
    void Finish() { out_ << "\n"; }

  private:
    template <typename T> void Number(T value)
    {
        Separate();
        if (!std::isfinite(value)) {
            out_ << "null";
            return;
        }
        char text[400];
        const T magnitude = std::fabs(value);
        const bool plain = value == 0 || (magnitude >= T(1e-6) && magnitude < T(1e15));
        const auto format = plain ? std::chars_format::fixed : std::chars_format::general;
        const auto end = std::to_chars(text, text + sizeof text, value, format).ptr;
        out_.write(text, end - text);
    }

    struct Level
    {
        bool empty = true;
        bool inlined = false;
    };

    void Open(char bracket)
    {
        Separate();
        out_ << bracket;
        levels_.push_back({});
    }
    void Close(char bracket)
    {
        const Level level = levels_.back();
        levels_.pop_back();
        if (!level.empty && !level.inlined) NewLine();
        out_ << bracket;
    }
    // Writes the comma and line break that come before a member or element.
    void Separate()
    {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (levels_.empty()) return;
        Level& level = levels_.back();
        if (!level.empty) out_ << (level.inlined ? ", " : ",");
        level.empty = false;
        if (!level.inlined) NewLine();
    }
    void NewLine()
    {
        out_ << '\n';
        for (size_t i = 0; i < levels_.size(); ++i)
            out_ << "  ";
    }
    void WriteString(const std::string& s)
    {
        out_ << '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"':
                out_ << "\\\"";
                break;
            case '\\':
                out_ << "\\\\";
                break;
            case '\n':
                out_ << "\\n";
                break;
            case '\r':
                out_ << "\\r";
                break;
            case '\t':
                out_ << "\\t";
                break;
            default:
                if (c < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out_ << "\\u00" << hex[c >> 4] << hex[c & 15];
                } else {
                    out_ << static_cast<char>(c);
                }
            }
        }
        out_ << '"';
    }

    std::ostream& out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};
