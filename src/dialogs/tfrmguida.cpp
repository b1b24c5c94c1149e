#include "dialogs/tfrmguida.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/programfolder.h"
#include "platform/guardedaction.h"
#include "platform/services.h"
#include "platform/shellservice.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/linklabel.h"
#include "widgets/palette.h"
#include "widgets/picturebutton.h"

namespace velinda {

using namespace Qt::StringLiterals;

TfrmGuida::TfrmGuida(QWidget* parent)
    : DialogFrame(u" Guida all'utilizzo del software"_s, QSize(670, 572), Placement::CentreOfScreen,
                  parent) {
  setObjectName(u"TfrmGuida"_s);
  Controls::picture(u"imgLogo"_s, u":/art/logo.svg"_s, QRect(41, 14, 587, 69), this);

  lblTitolo_ = Controls::label(u"lblTitolo"_s, u"Argomento della guida."_s, QRect(22, 96, 625, 30),
                               Fonts::arial(16, true), this);
  lblTitolo_->setStyleSheet(Palette::textColourStyle(Palette::kCrimson));

  txtGuida_ = new QPlainTextEdit(this);
  txtGuida_->setObjectName(u"txtGuida"_s);
  txtGuida_->setGeometry(22, 134, 625, 350);
  txtGuida_->setReadOnly(true);
  txtGuida_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtGuida_->setFont(Fonts::verdana(12, true));
  txtGuida_->setAccessibleName(u"Testo della guida"_s);

  auto* imgPDF = new PictureButton(u"imgPDF"_s, u":/art/pdf.svg"_s, QSize(36, 36),
                                   u"Visualizza guida in formato PDF"_s, this);
  imgPDF->move(22, 506);
  auto* lnkWeb = new LinkLabel(u"lnkWeb"_s, u"Visualizza guida in formato PDF"_s, this);
  lnkWeb->setGeometry(66, 508, 400, 30);
  lnkWeb->attachIcon(imgPDF);
  connect(lnkWeb, &LinkLabel::clicked, this, guarded(this, [] {
            Services::shell().open(ShellTarget::file(ProgramFolder::filePath(u"Guida.pdf"_s)));
          }));

  QPushButton* btnChiudi =
      Controls::button(u"btnChiudi"_s, u"Chiudi"_s, QRect(537, 506, 110, 32), this);
  connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::setTopic(const QString& title, const QString& text) {
  lblTitolo_->setText(title);
  text_ = text;
  // The texts separate paragraphs with CR LF pairs; the memo wants line feeds.
  QString shown = text;
  shown.replace(u"\r\n"_s, u"\n"_s);
  txtGuida_->setPlainText(shown);
}

QString TfrmGuida::title() const { return lblTitolo_->text(); }

void TfrmGuida::open(QWidget* parent, const QString& title, const QString& text) {
  TfrmGuida guide(parent);
  guide.setTopic(title, text);
  guide.exec();
}

}  // namespace velinda
