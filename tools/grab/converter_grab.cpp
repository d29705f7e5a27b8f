// The converter for every group, with the from list open.
#include <QAbstractItemView>
#include <QApplication>

#include "GrabFolder.h"
#include "converter/ConverterFixture.h"

namespace vemora::test {

using Converter = ConverterTest;

TEST_F(Converter, EveryGroupWithItsListOpen)
{
    const QString dir = GrabFolder(QStringLiteral("converter"));
    exec([&](frmConverter& d) {
        for (int g = 0; g < d.lstUnit->count(); ++g) {
            chooseGroup(d, g);
            int widest = 0; // the widest unit text of the group, in the from list
            for (int i = 0; i < d.comUnit[0]->count(); ++i)
                if (d.comUnit[0]->itemText(i).size() > d.comUnit[0]->itemText(widest).size())
                    widest = i;
            d.comUnit[0]->setCurrentIndex(widest);
            typeValue(d, "1");
            convert(d);
            QApplication::processEvents();
            d.grab().save(QStringLiteral("%1/group%2.png").arg(dir).arg(g));
            d.comUnit[0]->showPopup();
            QApplication::processEvents();
            d.comUnit[0]->view()->window()->grab().save(
                QStringLiteral("%1/group%2-list.png").arg(dir).arg(g));
            d.comUnit[0]->hidePopup();
        }
    });
}

} // namespace vemora::test
