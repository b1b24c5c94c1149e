#include "editors/tfrmaccettazione.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "attachments/tfrmallegacartella.h"
#include "dialogs/guidetexts.h"
#include "editors/attachmentlabels.h"
#include "editors/editormessages.h"
#include "editors/editorworkflow.h"
#include "editors/fieldtable.h"
#include "export/tfrmexpaccettazione.h"
#include "print/tfrmstampaaccettazione.h"
#include "printjobs/envelopescreen.h"
#include "search/tfrmimportaanagrafica.h"
#include "search/tfrminviate.h"
#include "search/tfrmtrovaaccettazione.h"
#include "widgets/controls.h"
#include "widgets/helpline.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using enum Typing;

// In Enter-chain order; the chain loops from the contents to the recipient.
const BoxRow kBoxes[] = {
    {"txtDestinatario", "NOME, COGNOME O RAGIONE SOCIALE:", 36, 236, 352, 0, Plain,
     "Nome destinatario"},
    {"txtIndirizzoDes", "INDIRIZZO:", 426, 236, 414, 1, Plain, "Indirizzo destinatario"},
    {"txtNumDes", "N. CIVICO:", 850, 236, 108, 2, Plain, "Numero civico destinatario"},
    {"txtCapDes01", "CAP:", 36, 284, 26, 3, OneCharacter, "CAP destinatario, cifra 1"},
    {"txtCapDes02", nullptr, 68, 284, 26, 4, OneCharacter, "CAP destinatario, cifra 2"},
    {"txtCapDes03", nullptr, 100, 284, 26, 5, OneCharacter, "CAP destinatario, cifra 3"},
    {"txtCapDes04", nullptr, 132, 284, 26, 6, OneCharacter, "CAP destinatario, cifra 4"},
    {"txtCapDes05", nullptr, 164, 284, 26, 7, OneCharacter, "CAP destinatario, cifra 5"},
    {"txtLocalitaDes", "LOCALITA':", 204, 284, 280, 8, Plain, "Località destinatario"},
    {"txtProvDes01", "PROV.", 498, 284, 26, 9, OneCharacter, "Provincia destinatario, lettera 1"},
    {"txtProvDes02", nullptr, 530, 284, 26, 10, OneCharacter, "Provincia destinatario, lettera 2"},
    {"txtTelDes", "TEL.", 570, 284, 136, 11, Plain, "Telefono destinatario"},
    {"txtEmailDes", "E-MAIL:", 720, 284, 238, 12, Trimmed, "E-mail destinatario"},
    {"txtMittente", "NOME, COGNOME O RAGIONE SOCIALE:", 36, 388, 352, 13, Plain, "Nome mittente"},
    {"txtIndirizzoMit", "INDIRIZZO:", 426, 388, 414, 14, Plain, "Indirizzo mittente"},
    {"txtNumMit", "N. CIVICO:", 850, 388, 108, 15, Plain, "Numero civico mittente"},
    {"txtCapMit01", "CAP:", 36, 436, 26, 16, OneCharacter, "CAP mittente, cifra 1"},
    {"txtCapMit02", nullptr, 68, 436, 26, 17, OneCharacter, "CAP mittente, cifra 2"},
    {"txtCapMit03", nullptr, 100, 436, 26, 18, OneCharacter, "CAP mittente, cifra 3"},
    {"txtCapMit04", nullptr, 132, 436, 26, 19, OneCharacter, "CAP mittente, cifra 4"},
    {"txtCapMit05", nullptr, 164, 436, 26, 20, OneCharacter, "CAP mittente, cifra 5"},
    {"txtLocalitaMit", "LOCALITA':", 204, 436, 280, 21, Plain, "Località mittente"},
    {"txtProvMit01", "PROV.", 498, 436, 26, 22, OneCharacter, "Provincia mittente, lettera 1"},
    {"txtProvMit02", nullptr, 530, 436, 26, 23, OneCharacter, "Provincia mittente, lettera 2"},
    {"txtTelMit", "TEL.", 570, 436, 136, 24, Plain, "Telefono mittente"},
    {"txtEmailMit", "E-MAIL:", 720, 436, 238, 25, Trimmed, "E-mail mittente"},
    {"txtCifre", "IMPORTO IN CIFRE:", 384, 540, 130, 28, Plain, "Importo in cifre"},
    {"txtLettere", "IMPORTO IN LETTERE:", 528, 540, 193, 29, Plain, "Importo in lettere"},
    {"txtData", "DATA SPEDIZIONE:", 36, 590, 152, 32, Plain, "Data di spedizione"},
    {"txtContenuto", "CONTENUTO RACCOMANDATA:", 232, 590, 726, 33, Plain,
     "Contenuto della raccomandata"},
};

const CheckRow kChecks[] = {
    {"chkAvviso", "Avviso di Ricevimento", 36, 538, 190, 26},
    {"chkContrassegno", "Contrassegno", 240, 538, 134, 27},
    {"chkCC", "C/C Postale", 736, 538, 129, 30},
    {"chkVaglia", "Vaglia", 880, 538, 81, 31},
    {"chkInviata", "Inviata", 852, 120, 85, 34},
};

const struct {
  const char* control;
  const char* hint;
} kCheckHints[] = {
    {"chkInviata", "Spunta questa casella per indicare che la raccomandata è stata inviata."},
    {"chkAvviso",
     "Spunta questa casella per indicare che la raccomandata è con Avviso di Ricevimento."},
    {"chkContrassegno",
     "Spunta questa casella per indicare che la raccomandata è con contrassegno."},
    {"chkCC", "Spunta questa casella per indicare che la modalità di rimessa è con C/C Postale."},
    {"chkVaglia", "Spunta questa casella per indicare che la modalità di rimessa è con vaglia."},
};

const WorkspaceLook kLook{
    ArchiveKind::Acceptance,
    " Velinda - Ricevute Accettazione",
    {{"cmdFile", ":/art/btn_allega.svg", "Allega file", "Allega file alla scheda corrente."},
     {"cmdStampa", ":/art/btn_stampa.svg", "Stampa ricevuta di accettazione",
      "Stampa Ricevuta Accettazione."}},
    {"cmdDaInviare", ":/icons/dialog-ok-apply.svg", "Raccomandate non inviate",
     "Visualizza il riepilogo delle raccomandate non inviate."},
    "App Ricevute di Accettazione",
    &GuideTexts::acceptance,
};

const ToolButton kEnvelope{"cmdBusta", ":/art/btn_busta.svg", "Stampa la busta",
                           "Stampa la busta con il destinatario e il mittente."};

}  // namespace

TfrmAccettazione::TfrmAccettazione(QWidget* parent) : WorkspaceWindow(kLook, parent) {
  setObjectName(u"TfrmAccettazione"_s);
  QWidget* p = panel();
  addSheet(QRect(16, 80, 962, 554), Palette::kWhite, Palette::kSheetOutline);
  Controls::picture(u"imgTitolo"_s, u":/art/title_accettazione.svg"_s, QRect(34, 96, 420, 56), p);
  addSheet(QRect(790, 100, 172, 64), Palette::kLightGrey, Palette::kSandyBrown, 2);
  Controls::picture(u"imgInviata"_s, u":/art/inviata.svg"_s, QRect(808, 116, 32, 32), p);
  Controls::picture(u"imgDestinatario"_s, u":/art/banner_destinatario.svg"_s,
                    QRect(34, 176, 926, 28), p);
  Controls::picture(u"imgMittente"_s, u":/art/banner_mittente.svg"_s, QRect(34, 328, 926, 28), p);
  Controls::picture(u"imgServizi"_s, u":/art/banner_servizi.svg"_s, QRect(34, 480, 926, 28), p);

  for (QLineEdit* box : FieldTable::build(p, acceptanceLayout(), kBoxes, kChecks, keys()))
    helpLine()->addNeutral(box);
  for (const auto& c : kCheckHints)
    helpLine()->addHint(namedChild<QCheckBox>(*p, QString::fromLatin1(c.control)),
                        QString::fromUtf8(c.hint));
  AttachmentLabels::create(p);

  addReceiptFieldButtons<TfrmImportaAnagrafica>(ArchiveKind::Acceptance, QPoint(394, 236),
                                                QPoint(394, 388), QPoint(194, 590));

  prints<TfrmStampaAccettazione>(u"cmdStampa"_s);
  addWideButton(kEnvelope, QPoint(622, 116));
  prints<EnvelopeScreen>(u"cmdBusta"_s, EnvelopeFrom::AcceptanceReceipt);

  connectClick(u"cmdFile"_s,
               [this] { TfrmAllegaCartella::openFor(this, ArchiveKind::Acceptance); });

  opens<TfrmExpAccettazione>(u"cmdEsporta"_s, this);

  opensTagged<TfrmTrovaAccettazione>(u"cmdTrova"_s, Archives::tagOf(ArchiveKind::Acceptance));
  opens<TfrmInviate>(u"cmdDaInviare"_s, this, this);

  setWorkflow(new EditorWorkflow(
      this, EditorConfig{acceptanceArchive(),
                         u"txtDestinatario"_s,
                         {{u"txtDestinatario"_s, EditorMessages::kMissingRecipient},
                          {u"txtMittente"_s, EditorMessages::kMissingSender},
                          {u"txtData"_s, EditorMessages::kMissingDate},
                          {u"txtContenuto"_s, EditorMessages::kMissingContent}}}));
}

}  // namespace velinda
