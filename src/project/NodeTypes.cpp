#include "project/NodeTypes.h"

namespace vemora {

namespace {

// Characters in a UTF-8 string (continuation bytes are not counted).
int Utf8Length(const std::string& s)
{
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string TrimRightBlanks(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

} // namespace

std::string NodeTypeNames(int code)
{
    if (code < 0 || code >= NodeTypeCount) return {};
    std::string name = NodeTypeItems[static_cast<size_t>(code)];
    const int pad = NodeTypeNameWidth - Utf8Length(name);
    if (pad > 0) name.append(static_cast<size_t>(pad), ' ');
    return name;
}

std::string NodeTypeShownName(int code)
{
    return NodeTypeNames(code >= 0 && code < NodeTypeCount ? code : 0);
}

int NodeTypeCodeOf(const std::string& text)
{
    const std::string wanted = TrimRightBlanks(text);
    for (int code = 0; code < NodeTypeCount; ++code)
        if (wanted == NodeTypeItems[static_cast<size_t>(code)]) return code;
    return 0;
}

} // namespace vemora
