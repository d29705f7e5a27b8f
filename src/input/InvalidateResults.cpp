#include "input/InvalidateResults.h"

#include "project/ProjectStore.h"

namespace vemora {

namespace {

std::function<void()>& ResultsWindowCloser()
{
    static std::function<void()> closer;
    return closer;
}

} // namespace

void SetResultsWindowCloser(std::function<void()> closer)
{
    ResultsWindowCloser() = std::move(closer);
}

void InvalidateResults(ProjectStore& store)
{
    if (store.ResultsValid == 1 && ResultsWindowCloser()) ResultsWindowCloser()();
    store.ResultsValid = 0;
    store.ProjectSaved = 0;
}

} // namespace vemora
