#include "plain_procedures.h"

#include "forms.h"
#include "main_window.h"
#include "plain_code.h"
#include "plain_editor.h"
#include "run_error.h"
#include "set_if_changed.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx::Funktionen {

void Create_Belt_oM(Forms& forms)
{
    PlainBeltEditor& woM = forms.window<PlainBeltEditor>();
    MainWindow& main = forms.main();
    Variablen& v = forms.vars();

    woM.Hide();
    woM.Show();
    forms.hideOtherMdiChildren(woM);

    main.band_om->setChecked(true);
    main.band_links->setChecked(false);
    main.band_rechts->setChecked(false);
    main.speichern->setEnabled(false);

    woM.Command_Bestellnummer->setText(v.Copy_Caption);
    woM.Text_Bestellnummer->show();
    woM.Text_Bestellnummer->setText(QStringLiteral("KX40-300-R"));

    woM.HScroll_Bandlaenge->setEnabled(true);
    woM.HScroll_Bandbreite->setEnabled(true);
    woM.Option_Rechts->setEnabled(true);
    woM.Option_Links->setEnabled(true);

    for (int i = 0; i < v.Optional_Count_oM; ++i) {
        if (i >= FeatureCount)
            throw RunError(RunError::SubscriptOutOfRange);
        QCheckBox* box = woM.Check_Optional[std::size_t(i)];
        box->hide();
        box->setChecked(false);
        box->setEnabled(true);
        box->show();
    }
    Forms::call(forms.procedures.beltSetUp);
}

void Make_Order_Code_oM(Forms& forms)
{
    PlainBeltEditor& woM = forms.window<PlainBeltEditor>();
    Variablen& v = forms.vars();

    v.Order_Code = plainOrderCode(woM.belt());
    setTextIfChanged(woM.Text_Bestellnummer, v.Order_Code);
    setEnabledIfChanged(forms.main().speichern, true);
    setCaptionIfChanged(woM.Command_Bestellnummer, v.Copy_Caption);
    setShownIfChanged(woM.Text_Bestellnummer, true);
}

} // namespace kx::Funktionen
