// The JSON that `kpj-tool analyse` prints, read back for tests that compare
// what a window or a printed page shows with the tool's numbers.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace vemora::test {

// The numbers of the tool's JSON: scalars and arrays of numbers by key; the
// gradeline as one array per year. A null reads as not a number.
struct ToolResults
{
    std::map<std::string, std::vector<float>> values;
    std::vector<std::vector<float>> gradeline;

    float scalar(const std::string& key) const { return values.at(key).at(0); }
    // Entry `index` counted from 1, as the stores count.
    float at(const std::string& key, int index) const
    {
        return values.at(key).at(static_cast<size_t>(index - 1));
    }
};

class JsonReader
{
  public:
    explicit JsonReader(const std::string& text) : text_(text) {}

    ToolResults Read()
    {
        ToolResults out;
        expect('{');
        while (peek() != '}') {
            const std::string key = string();
            expect(':');
            if (key == "Gradeline") {
                expect('[');
                while (peek() != ']') {
                    out.gradeline.push_back(numbers());
                    if (peek() == ',') ++pos_;
                }
                ++pos_;
            } else if (peek() == '[') {
                out.values[key] = numbers();
            } else if (peek() == '"') {
                string();
            } else {
                out.values[key] = {number()};
            }
            if (peek() == ',') ++pos_;
        }
        return out;
    }

  private:
    char peek()
    {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void expect(char c)
    {
        ASSERT_EQ(peek(), c) << "at " << pos_;
        ++pos_;
    }
    std::string string()
    {
        peek();
        const size_t end = text_.find('"', pos_ + 1);
        std::string s = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = end + 1;
        return s;
    }
    float number()
    {
        peek();
        if (text_.compare(pos_, 4, "null") == 0) {
            pos_ += 4;
            return std::nanf("");
        }
        char* end = nullptr;
        const float value = std::strtof(text_.c_str() + pos_, &end);
        pos_ = static_cast<size_t>(end - text_.c_str());
        return value;
    }
    std::vector<float> numbers()
    {
        std::vector<float> list;
        expect('[');
        while (peek() != ']') {
            list.push_back(number());
            if (peek() == ',') ++pos_;
        }
        ++pos_;
        return list;
    }

    const std::string& text_;
    size_t pos_ = 0;
};

} // namespace vemora::test
