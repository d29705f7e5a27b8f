// One print's own state, made afresh by whatever prints (the print run, a
// print button's copy loop) and handed to the page code: the header texts
// every page prints, the running page number and the year of the
// hydraulic table.
#pragma once

#include "app/PageHeaderTexts.h"

namespace vemora {

struct PageRun
{
    // The texts of the input the pages' bodies read: the store's once it has
    // taken the input on screen, or those a view kept with its picture.
    PageHeaderTexts header;
    int pageNumber = 0; // the page last begun; 0 before a copy's first page
    int year = 0;       // the design-life year of the hydraulic table; 0 for none chosen
};

} // namespace vemora
