#include "editors/tfrmanagrafica.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "attachments/tfrmallegacartella.h"
#include "contactimport/tfrmimportacontatti.h"
#include "core/text.h"
#include "dialogs/guidetexts.h"
#include "editors/attachmentlabels.h"
#include "editors/editormessages.h"
#include "editors/editorworkflow.h"
#include "editors/fieldtable.h"
#include "export/tfrmexpanagrafica.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "print/tfrmstampaanagrafica.h"
#include "printjobs/envelopescreen.h"
#include "search/tfrmquestioni.h"
#include "search/tfrmtrovaanagrafica.h"
#include "validators/taxcoderouting.h"
#include "validators/tfrmcarta.h"
#include "validators/tfrmcodfisc.h"
#include "validators/tfrmiban.h"
#include "validators/tfrmpartitaiva.h"
#include "widgets/controls.h"
#include "widgets/helpline.h"
#include "widgets/namedchild.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

namespace {

using enum Typing;

// In record order, which is also the tab order and the Enter chain; the
// chain loops from the notes back to the name.
const BoxRow kBoxes[] = {
    {"txtNome", "NOME, COGNOME O RAGIONE SOCIALE:", 36, 116, 380, 0, Plain,
     "Nome, cognome o ragione sociale"},
    {"txtIndirizzo", "INDIRIZZO:", 426, 116, 414, 1, Plain, "Indirizzo"},
    {"txtNum", "N. CIVICO:", 850, 116, 108, 2, Plain, "Numero civico"},
    {"txtCap01", "CAP:", 36, 164, 26, 3, OneCharacter, "CAP, cifra 1"},
    {"txtCap02", nullptr, 68, 164, 26, 4, OneCharacter, "CAP, cifra 2"},
    {"txtCap03", nullptr, 100, 164, 26, 5, OneCharacter, "CAP, cifra 3"},
    {"txtCap04", nullptr, 132, 164, 26, 6, OneCharacter, "CAP, cifra 4"},
    {"txtCap05", nullptr, 164, 164, 26, 7, OneCharacter, "CAP, cifra 5"},
    {"txtLocalita", "LOCALITA':", 204, 164, 280, 8, Plain, "Località"},
    {"txtProv01", "PROV.", 498, 164, 26, 9, OneCharacter, "Provincia, lettera 1"},
    {"txtProv02", nullptr, 530, 164, 26, 10, OneCharacter, "Provincia, lettera 2"},
    {"txtTel", "TEL.", 570, 164, 136, 11, Plain, "Telefono"},
    {"txtEmail", "E-MAIL:", 720, 164, 210, 12, Trimmed, "E-mail"},
    {"txtDataNasc", "DATA DI NASCITA:", 36, 238, 152, 13, Plain, "Data di nascita"},
    {"txtSesso", "SESSO:", 198, 238, 68, 14, UpperCase, "Sesso"},
    {"txtLuogoNasc", "LUOGO DI NASCITA:", 276, 238, 434, 15, Plain, "Luogo di nascita"},
    {"txtCodFisc", "CODICE FISCALE:", 720, 238, 210, 16, UpperCase, "Codice fiscale"},
    {"txtPartitaIva", "PARTITA IVA:", 36, 286, 202, 17, DigitsOnly, "Partita IVA"},
    {"txtIban", "IBAN:", 276, 286, 406, 18, UpperCase, "IBAN"},
    {"txtPec", "PEC:", 720, 286, 238, 19, Trimmed, "PEC"},
    {"txtCarta", "CARTA DI CREDITO N.", 36, 334, 274, 20, UpperCase, "Numero carta di credito"},
    {"txtScadeCarta", "SCADENZA:", 348, 334, 152, 21, Plain, "Scadenza carta di credito"},
    {"txtCel", "TEL. CELLULARE:", 510, 334, 200, 22, Plain, "Telefono cellulare"},
    {"txtCittadinanza", "CITTADINANZA:", 720, 334, 238, 23, Plain, "Cittadinanza"},
    {"txtOccupazione", "OCCUPAZIONE:", 236, 398, 474, 24, Plain, "Occupazione"},
    {"txtCivile", "STATO CIVILE:", 720, 398, 238, 25, Plain, "Stato civile"},
    {"txtTipoDoc", "DOCUMENTO (tipo e numero):", 236, 446, 214, 26, Plain,
     "Documento, tipo e numero"},
    {"txtEnteRil", "ENTE RILASCIO:", 460, 446, 194, 27, Plain, "Ente di rilascio del documento"},
    {"txtDataRil", "DATA RILASCIO:", 664, 446, 142, 28, Plain, "Data di rilascio del documento"},
    {"txtDataSca", "DATA SCADENZA:", 816, 446, 142, 29, Plain, "Data di scadenza del documento"},
    {"txtProdotti", "PRODOTTI DI INTERESSE:", 236, 494, 722, 30, Plain, "Prodotti di interesse"},
    {"txtQuestioni", "QUESTIONI IN SOSPESO:", 236, 542, 722, 31, Plain, "Questioni in sospeso"},
    {"txtNote", "NOTE:", 236, 590, 722, 32, Plain, "Note"},
};

struct FieldButton {
  ToolButton def;
  QPoint at;
  void (TfrmAnagrafica::*action)();
};

const FieldButton kFieldButtons[] = {
    // clang-format off
    {{"btnEmail", ":/art/posta.svg", "Invia una e-mail", "Invia una e-mail all'indirizzo indicato."},
     {936, 164}, &TfrmAnagrafica::sendMail},
    {{"btnCodFisc", ":/art/verifica.svg", "Controlla il codice fiscale", "Controlla il codice fiscale."},
     {936, 238}, &TfrmAnagrafica::checkTaxCode},
    // clang-format on
    {{"btnPartitaIva", ":/art/verifica.svg", "Controlla la partita IVA",
      "Controlla il numero di partita IVA."},
     {244, 286},
     &TfrmAnagrafica::checkVatNumber},
    {{"btnIban", ":/art/verifica.svg", "Controlla l'IBAN", "Controlla l'IBAN."},
     {688, 286},
     &TfrmAnagrafica::checkIban},
    {{"btnCarta", ":/art/verifica.svg", "Controlla la carta di credito",
      "Controlla il numero di carta di credito."},
     {316, 334},
     &TfrmAnagrafica::checkCard},
};

const WorkspaceLook kLook{
    ArchiveKind::AddressBook,
    " Velinda - Archivio Anagrafico",
    {{"cmdFile", ":/art/btn_allega.svg", "Allega file", "Allega file alla scheda corrente."},
     {"cmdStampa", ":/art/btn_stampa.svg", "Stampa la scheda", "Stampa la scheda corrente."}},
    {"cmdQuestioni", ":/icons/dialog-warning.svg", "Questioni in sospeso",
     "Visualizza il riepilogo delle questioni in sospeso."},
    "App Archivio Anagrafico",
    &GuideTexts::addressBook,
};

// The toolbar has no room left, so the import sits at the right end of the
// help bar, where the hints never reach.
const ToolButton kImportContacts{"cmdImportaContatti", ":/art/btn_importa.svg",
                                 "Importa contatti da un file CSV o vCard",
                                 "Importa nell'archivio i contatti di un file CSV o vCard."};
const QPoint kImportContactsPlace(826, 642);
const ToolButton kEnvelope{"cmdBusta", ":/art/btn_busta.svg", "Stampa la busta",
                           "Stampa la busta con l'indirizzo della scheda corrente."};

// A check screen made for one use: it opens on the value and is gone once
// closed.
template <typename Check>
void openCheck(QWidget* parent, const QString& value) {
  Check screen(parent);
  screen.setValue(value);
  screen.exec();
}

}  // namespace

TfrmAnagrafica::TfrmAnagrafica(QWidget* parent) : WorkspaceWindow(kLook, parent) {
  setObjectName(u"TfrmAnagrafica"_s);
  QWidget* p = panel();
  addSheet(QRect(16, 80, 962, 554), Palette::kPaleBlue);
  addSheet(QRect(24, 88, 946, 112), Palette::kWhite);
  addSheet(QRect(24, 208, 946, 418), Palette::kWhite);
  // The bar fades from left to right, as the banners of the receipts do.
  auto* bar = new QFrame(p);
  bar->setObjectName(u"shpSeparatore"_s);
  bar->setGeometry(236, 368, 722, 6);
  bar->setStyleSheet(
      u"background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:1 %2);"_s.arg(
          Palette::css(Palette::kSteelBlue), Palette::css(Palette::kWhite)));
  helpLine()->addNeutral(
      Controls::picture(u"imgPersona"_s, u":/art/persona.svg"_s, QRect(36, 372, 190, 200), p));

  for (QLineEdit* box : FieldTable::build(p, addressBookLayout(), kBoxes, {}, keys()))
    helpLine()->addNeutral(box);
  AttachmentLabels::create(p);

  for (const FieldButton& b : kFieldButtons)
    connect(addFieldButton(b.def, b.at), &QToolButton::clicked, this, guarded(this, b.action));

  connectClick(u"cmdFile"_s,
               [this] { TfrmAllegaCartella::openFor(this, ArchiveKind::AddressBook); });

  addWideButton(kImportContacts, kImportContactsPlace);
  opens<TfrmImportaContatti>(QString::fromLatin1(kImportContacts.name), this);

  opens<TfrmExpAnagrafica>(u"cmdEsporta"_s, this);
  prints<TfrmStampaAnagrafica>(u"cmdStampa"_s);
  addWideButton(kEnvelope, QPoint(57, 576));
  prints<EnvelopeScreen>(u"cmdBusta"_s, EnvelopeFrom::AddressBook);

  opensTagged<TfrmTrovaAnagrafica>(u"cmdTrova"_s, Archives::tagOf(ArchiveKind::AddressBook));
  opens<TfrmQuestioni>(u"cmdQuestioni"_s, this, this);

  setWorkflow(new EditorWorkflow(
      this,
      EditorConfig{
          addressBookArchive(), u"txtNome"_s, {{u"txtNome"_s, EditorMessages::kMissingName}}}));
}

QString TfrmAnagrafica::trimmedText(const QString& box) const {
  return Text::trimmed(namedChild<QLineEdit>(*panel(), box)->text());
}

void TfrmAnagrafica::sendMail() {
  Services::shell().open(ShellTarget::mail(trimmedText(u"txtEmail"_s)));
}

void TfrmAnagrafica::checkTaxCode() {
  const TaxCodeRouting::Route route = TaxCodeRouting::route(trimmedText(u"txtCodFisc"_s));
  if (route.screen == TaxCodeRouting::Screen::VatNumber)
    openCheck<TfrmPartitaIva>(this, route.text);
  else
    openCheck<TfrmCodFisc>(this, route.text);
}

void TfrmAnagrafica::checkVatNumber() {
  openCheck<TfrmPartitaIva>(this, trimmedText(u"txtPartitaIva"_s));
}

void TfrmAnagrafica::checkIban() { openCheck<TfrmIban>(this, trimmedText(u"txtIban"_s)); }

void TfrmAnagrafica::checkCard() { openCheck<TfrmCarta>(this, trimmedText(u"txtCarta"_s)); }

}  // namespace velinda
