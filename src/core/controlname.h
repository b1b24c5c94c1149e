#pragma once

#include <QString>
#include <QStringView>

namespace velinda {

// A control's name is a three-letter prefix that tells its kind ("txt" a
// text box, "chk" a check box, "lbl" a label, "cmd" a button, "eff" a focus
// frame...) followed by its stem, the name of the record field or of the
// part it shows: "txtNome" shows the field "Nome".
namespace ControlName {

// "txtNome" -> "Nome".
QStringView stem(QStringView control);

// (u"lbl", u"Nome") -> "lblNome".
QString make(QStringView prefix, QStringView stem);

// Another control of the same stem: (u"lbl", u"txtNome") -> "lblNome".
QString sibling(QStringView prefix, QStringView control);

}  // namespace ControlName

}  // namespace velinda
