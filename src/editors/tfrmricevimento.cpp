#include "editors/tfrmricevimento.h"

#include <QCheckBox>
#include <QLineEdit>

#include "dialogs/guidetexts.h"
#include "editors/editormessages.h"
#include "editors/editorworkflow.h"
#include "editors/fieldtable.h"
#include "export/tfrmexpricevimento.h"
#include "print/tfrmstamparicevimentodes.h"
#include "print/tfrmstamparicevimentomit.h"
#include "search/tfrmconsegnate.h"
#include "search/tfrmimportaanagrafica.h"
#include "search/tfrmtrovaricevimento.h"
#include "widgets/controls.h"
#include "widgets/helpline.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using enum Typing;
using Tint::Beige;

// In Enter-chain order: recipient, sender, date, office, contents, the label
// number and the amount, which leads back to the recipient.
const BoxRow kBoxes[] = {
    {"txtDestinatario", "DESTINATARIO:", 54, 228, 352, 0, Plain, "Nome destinatario"},
    {"txtIndirizzoDes", "VIA:", 446, 228, 384, 1, Plain, "Via destinatario"},
    {"txtNumDes", "N. CIVICO:", 840, 228, 100, 2, Plain, "Numero civico destinatario"},
    {"txtCapDes01", "CAP:", 54, 276, 26, 3, OneCharacter, "CAP destinatario, cifra 1"},
    {"txtCapDes02", nullptr, 86, 276, 26, 4, OneCharacter, "CAP destinatario, cifra 2"},
    {"txtCapDes03", nullptr, 118, 276, 26, 5, OneCharacter, "CAP destinatario, cifra 3"},
    {"txtCapDes04", nullptr, 150, 276, 26, 6, OneCharacter, "CAP destinatario, cifra 4"},
    {"txtCapDes05", nullptr, 182, 276, 26, 7, OneCharacter, "CAP destinatario, cifra 5"},
    {"txtLocalitaDes", "LOCALITA':", 224, 276, 644, 8, Plain, "Località destinatario"},
    {"txtProvDes01", "PROV.", 882, 276, 26, 9, OneCharacter, "Provincia destinatario, lettera 1"},
    {"txtProvDes02", nullptr, 914, 276, 26, 10, OneCharacter, "Provincia destinatario, lettera 2"},
    {"txtMittente", "MITTENTE:", 54, 372, 352, 11, Plain, "Nome mittente", Beige},
    {"txtIndirizzoMit", "VIA:", 446, 372, 384, 12, Plain, "Via mittente", Beige},
    {"txtNumMit", "N. CIVICO:", 840, 372, 100, 13, Plain, "Numero civico mittente", Beige},
    {"txtCapMit01", "CAP:", 54, 420, 26, 14, OneCharacter, "CAP mittente, cifra 1", Beige},
    {"txtCapMit02", nullptr, 86, 420, 26, 15, OneCharacter, "CAP mittente, cifra 2", Beige},
    {"txtCapMit03", nullptr, 118, 420, 26, 16, OneCharacter, "CAP mittente, cifra 3", Beige},
    {"txtCapMit04", nullptr, 150, 420, 26, 17, OneCharacter, "CAP mittente, cifra 4", Beige},
    {"txtCapMit05", nullptr, 182, 420, 26, 18, OneCharacter, "CAP mittente, cifra 5", Beige},
    {"txtLocalitaMit", "LOCALITA':", 224, 420, 644, 19, Plain, "Località mittente", Beige},
    {"txtProvMit01", "PROV.", 882, 420, 26, 20, OneCharacter, "Provincia mittente, lettera 1",
     Beige},
    {"txtProvMit02", nullptr, 914, 420, 26, 21, OneCharacter, "Provincia mittente, lettera 2",
     Beige},
    {"txtData", "DATA SPEDIZIONE:", 36, 540, 152, 22, Plain, "Data di spedizione"},
    {"txtUfficio", "DALL'UFFICIO DI:", 232, 540, 580, 23, Plain, "Ufficio di spedizione"},
    {"txtContenuto", "CONTENUTO RACCOMANDATA:", 36, 590, 776, 24, Plain,
     "Contenuto della raccomandata"},
    {"txtN01", nullptr, 354, 102, 22, 25, OneCharacter, "Numero etichetta, carattere 1"},
    {"txtN02", nullptr, 382, 102, 22, 26, OneCharacter, "Numero etichetta, carattere 2"},
    {"txtN03", nullptr, 410, 102, 22, 27, OneCharacter, "Numero etichetta, carattere 3"},
    {"txtN04", nullptr, 438, 102, 22, 28, OneCharacter, "Numero etichetta, carattere 4"},
    {"txtN05", nullptr, 466, 102, 22, 29, OneCharacter, "Numero etichetta, carattere 5"},
    {"txtN06", nullptr, 494, 102, 22, 30, OneCharacter, "Numero etichetta, carattere 6"},
    {"txtN07", nullptr, 522, 102, 22, 31, OneCharacter, "Numero etichetta, carattere 7"},
    {"txtN08", nullptr, 550, 102, 22, 32, OneCharacter, "Numero etichetta, carattere 8"},
    {"txtN09", nullptr, 578, 102, 22, 33, OneCharacter, "Numero etichetta, carattere 9"},
    {"txtN10", nullptr, 606, 102, 22, 34, OneCharacter, "Numero etichetta, carattere 10"},
    {"txtN11", nullptr, 634, 102, 22, 35, OneCharacter, "Numero etichetta, carattere 11"},
    {"txtN12", nullptr, 662, 102, 22, 36, OneCharacter, "Numero etichetta, carattere 12"},
    {"txtN13", nullptr, 690, 102, 22, 37, OneCharacter, "Numero etichetta, carattere 13"},
    {"txtEuro", "Euro:", 498, 148, 150, 41, Plain, "Importo in euro", Tint::AliceBlue,
     CaptionPlace::Left},
};

const CheckRow kChecks[] = {
    {"chkRaccomandata", "Raccomandata", 52, 148, 140, 38},
    {"chkPacco", "Pacco", 208, 148, 90, 39},
    {"chkAssicurata", "Assicurata", 312, 148, 120, 40},
    {"chkConsegnata", "Consegnata", 834, 120, 118, 42},
};

const WorkspaceLook kLook{
    ArchiveKind::ReturnReceipt,
    " Velinda - Avvisi Ricevimento",
    {{"cmdStampaDes", ":/art/btn_stampa_des.svg", "Stampa avviso di ricevimento, lato destinatario",
      "Stampa Avviso Ricevimento (Destinatario)."},
     {"cmdStampaMit", ":/art/btn_stampa_mit.svg", "Stampa avviso di ricevimento, lato mittente",
      "Stampa Avviso Ricevimento (Mittente)."}},
    {"cmdDaInviare", ":/icons/dialog-ok-apply.svg", "Raccomandate non consegnate",
     "Visualizza il riepilogo delle raccomandate non consegnate."},
    "App Avvisi di Ricevimento",
    &GuideTexts::returnReceipt,
};

}  // namespace

TfrmRicevimento::TfrmRicevimento(QWidget* parent) : WorkspaceWindow(kLook, parent) {
  setObjectName(u"TfrmRicevimento"_s);
  QWidget* p = panel();
  addSheet(QRect(16, 80, 962, 554), Palette::kPaleBlue);
  addSheet(QRect(24, 88, 946, 538), Palette::kWhite);
  addSheet(QRect(36, 136, 630, 46), {}, Palette::kSteelBlue, 2);
  addSheet(QRect(780, 96, 178, 84), Palette::kLightGrey);
  addSheet(QRect(790, 106, 158, 64), {}, Palette::kSandyBrown, 2);
  addSheet(QRect(36, 196, 922, 114), {}, Palette::kSteelBlue, 2);
  addSheet(QRect(36, 340, 922, 114), {}, Palette::kBrown, 2);
  Controls::picture(u"imgTitolo"_s, u":/art/title_ricevimento.svg"_s, QRect(36, 94, 214, 40), p);
  Controls::picture(u"imgConsegnata"_s, u":/art/consegnata.svg"_s, QRect(798, 116, 32, 32), p);
  Controls::picture(u"imgSpedizione"_s, u":/art/banner_spedizione.svg"_s, QRect(36, 472, 922, 28),
                    p);
  Controls::picture(u"imgTimbro"_s, u":/art/timbro.svg"_s, QRect(846, 526, 90, 90), p);

  for (QLineEdit* box : FieldTable::build(p, returnReceiptLayout(), kBoxes, kChecks, keys()))
    helpLine()->addNeutral(box);
  for (const char* neutral : {"chkRaccomandata", "chkPacco", "chkAssicurata"})
    helpLine()->addNeutral(namedChild<QCheckBox>(*p, QString::fromLatin1(neutral)));
  helpLine()->addHint(
      namedChild<QCheckBox>(*p, u"chkConsegnata"_s),
      u"Spunta questa casella per indicare che la raccomandata è stata consegnata."_s);

  addReceiptFieldButtons<TfrmImportaAnagrafica>(ArchiveKind::ReturnReceipt, QPoint(412, 228),
                                                QPoint(412, 372), QPoint(194, 540));

  prints<TfrmStampaRicevimentoDes>(u"cmdStampaDes"_s);
  prints<TfrmStampaRicevimentoMit>(u"cmdStampaMit"_s);

  opens<TfrmExpRicevimento>(u"cmdEsporta"_s, this);

  opensTagged<TfrmTrovaRicevimento>(u"cmdTrova"_s, Archives::tagOf(ArchiveKind::ReturnReceipt));
  opens<TfrmConsegnate>(u"cmdDaInviare"_s, this, this);

  setWorkflow(new EditorWorkflow(
      this, EditorConfig{returnReceiptArchive(),
                         u"txtDestinatario"_s,
                         {{u"txtDestinatario"_s, EditorMessages::kMissingRecipient},
                          {u"txtMittente"_s, EditorMessages::kMissingSender},
                          {u"txtContenuto"_s, EditorMessages::kMissingContent}}}));
}

}  // namespace velinda
