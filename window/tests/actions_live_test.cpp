// The actions against the real library on a real X server: every button
// pressed with the mouse, every caption formed from a plausible answer.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>
#include <stdexcept>

#include "actions.h"
#include "form.h"
#include "library_binding.h"

TEST(LiveActions, EveryButtonShowsPlausibleFigures) {
    talvex::LibraryBinding library(
        [](const QString &message) { throw std::runtime_error(message.toStdString()); });
    talvex::Form form;
    talvex::Actions actions(form, library);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    for (const char *button : {"Command1", "Command2", "Command3", "Command5"})
        QTest::mouseClick(form.button(button), Qt::LeftButton);
    QTest::mouseClick(form.label("Label16"), Qt::LeftButton);
    ASSERT_TRUE(library.isLoaded());
    EXPECT_EQ(QFileInfo(library.fileName()).canonicalFilePath(),
              QFileInfo(QString::fromUtf8(QZ_LIBRARY_FILE)).canonicalFilePath());

    const QString count = QStringLiteral(" [1-9][0-9]*");  // a positive whole number
    const QString whole = QStringLiteral(" [0-9]+");
    const std::pair<const char *, QString> table[] = {
        {"Label1", "Memory %   : ([0-9]|[1-9][0-9]|100)"},
        {"Label2", "Memory Ph  :" + count},
        {"Label3", "Memory AvPh:" + count},
        {"Label4", "Memory Virt:" + count},
        {"Label5", "Memory AvVr:" + count},
        {"Label6", "Memory Page:" + whole},
        {"Label7", "Memory AvPg:" + whole},
        // One repaint of a small window: above nothing, well below a minute.
        {"Label12",
         "Time to refresh form is: 0\\.[0-9]*[1-9][0-9]* seconds|"
         "Time to refresh form is: [1-9](\\.[0-9]+)? seconds"},
        {"Label28", "Idle:" + whole},
        {"Label29", "Kernel:" + whole},
        {"Label30", "User:" + whole},
        {"Label23", "Name:\\S.*"},
        {"Label22", "Vendor:\\S.*"},
        {"Label21", "Identifier:\\S.*"},
        {"Label11", "Speed in MHZ:" + count},
        {"Label25", "Tick counter per one seccond:" + count},
        {"Label16", count},
    };
    for (const auto &[label, pattern] : table) {
        const QRegularExpression whole_caption(QRegularExpression::anchoredPattern(pattern));
        EXPECT_TRUE(whole_caption.match(form.label(label)->caption()).hasMatch())
            << label << ": \"" << form.label(label)->caption().toStdString() << "\"";
    }
    // Idle and kernel time as the system counts them: kernel includes idle.
    const auto minutes = [&](const char *label, int skip) {
        return form.label(label)->caption().mid(skip).trimmed().toLongLong();
    };
    EXPECT_GE(minutes("Label29", 7), minutes("Label28", 5));
}
