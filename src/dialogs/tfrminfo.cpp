#include "dialogs/tfrminfo.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "dialogs/maker.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/controls.h"
#include "widgets/linklabel.h"
#include "widgets/picture.h"
#include "widgets/picturebutton.h"

TfrmInfo::TfrmInfo(QWidget* parent)
    : DialogFrame(u" Informazioni su Velinda"_qs, QSize(473, 579),
                  Placement::CentreOfScreen, parent) {
  setObjectName(u"TfrmInfo"_qs);
  makePicture(u"imgLogo"_qs, u":/art/logo.svg"_qs, QRect(20, 24, 433, 51), this);

  QLabel* about = Controls::label(u"lblInformazioni"_qs, {}, QRect(30, 100, 413, 290),
                                  QFont(u"Verdana"_qs, 11), this);
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  about->setText(
      u"<p style='font-size:15pt'><b>%1</b></p>"
      "<p>Compilazione, stampa e archivio dei moduli per le raccomandate: "
      "ricevuta di accettazione e avviso di ricevimento, con archivio "
      "anagrafico dei mittenti e dei destinatari.</p>"
      "<p>Versione %2</p><p>&copy; %3</p>"
      "<p>Per informazioni e assistenza sul software scrivere all'indirizzo "
      "di posta elettronica qui sotto.</p>"_qs
          .arg(Maker::kProduct, QStringLiteral(VELINDA_VERSION), Maker::kName));

  auto* imgEmail = new PictureButton(u"imgEmail"_qs, u":/art/email.svg"_qs, QSize(36, 36),
                                     u"Scrivi all'assistenza"_qs, this);
  imgEmail->move(40, 420);
  auto* lnkWeb = new LinkLabel(u"lnkWeb"_qs, Maker::kSupportEmail, this);
  lnkWeb->setGeometry(84, 422, 360, 30);
  lnkWeb->attachIcon(imgEmail);
  connect(lnkWeb, &LinkLabel::clicked, this,
          guarded(this, [] { Services::shell().open(supportMail()); }));

  QPushButton* btnChiudi =
      Controls::button(u"btnChiudi"_qs, u"Chiudi"_qs, QRect(181, 520, 110, 32), this);
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl TfrmInfo::supportMail() {
  return ShellTarget::mail(
      Maker::kSupportEmail, u"Software Velinda"_qs,
      u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_qs);
}
