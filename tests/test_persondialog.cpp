// The dialog Angaben zur Person: it shows the case's person, keeps what is typed, refuses with a
// German reason what cannot be saved and gives each field without blanks at its ends.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "persondialog.h"
#include "qt_anwendung.h"

using namespace korvalt;

TEST(Persondialog, ZuLangSperrtOkUndBehaeltDenText) {
    Persondialog dialog({"Anna Müller", "4711", "", ""});
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    auto* dienststelle = dialog.findChild<QLineEdit*>("Dienststelle");
    const QString zuLang(37, QChar(0xFC));  // 74 bytes
    dienststelle->setText(zuLang);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(dialog.angaben());
    EXPECT_EQ(dialog.grund().rfind("Dienststelle: zu lang \u2013 bitte um 2 Zeichen", 0), 0u)
        << dialog.grund();
    EXPECT_EQ(dialog.findChild<QLabel*>("Grund")->text().toStdString(), dialog.grund());
    EXPECT_EQ(dienststelle->text(), zuLang);

    dienststelle->setText(QStringLiteral("  Stadt Musterstadt "));
    EXPECT_TRUE(ok->isEnabled());
    ASSERT_TRUE(dialog.angaben());
    EXPECT_EQ(*dialog.angaben(), (Personenangaben{"Anna Müller", "4711", "Stadt Musterstadt", ""}));
}
