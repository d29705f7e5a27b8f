#include "app/PageHeaderTexts.h"

#include "project/ProjectStore.h"

namespace vemora {

PageHeaderTexts HeaderTextsOf(const ProjectStore& store)
{
    return {store.ProjectName, store.Designer, store.ProjectDate, store.ProjectDescription};
}

} // namespace vemora
