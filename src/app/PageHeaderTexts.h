// The project's texts a page header prints. A page prints those of the input
// its body reads: a print run and a page drawn afresh take the store's once
// it has taken the input on screen; a view that keeps a picture keeps the
// texts of the input it drew it from, and its page prints those.
#pragma once

#include <string>

namespace vemora {

struct ProjectStore;

struct PageHeaderTexts
{
    std::string ProjectName;
    std::string Designer;
    std::string ProjectDate;
    std::string ProjectDescription;

    bool operator==(const PageHeaderTexts&) const = default;
};

PageHeaderTexts HeaderTextsOf(const ProjectStore& store);

} // namespace vemora
