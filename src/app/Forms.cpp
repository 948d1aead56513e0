#include "Forms.h"

#include "FContactUs_.h"
#include "FMain_.h"
#include "UAbout.h"

void CreateForms() {
    FMain = new TFMain();
    AboutForm = new TAboutForm();
    FContactUs = new TFContactUs();
}
