#pragma once

#include "contactimport/contacttable.h"

// Google Contacts writes a phone or an e-mail address as two columns, its
// label and its value ("Phone 1 - Label" = "Mobile", "Phone 1 - Value" =
// "333 1234567"), with several values in one cell joined by " ::: ". Each
// such value is renamed after its kind and label ("Phone (Mobile)"), so that
// the columns can be mapped to card fields by name; the label columns go.
// Rows of any other file pass unchanged.
ContactTable nameValuesByLabel(const ContactTable& table);
