#include "Forms.h"

#include "FContactUs_.h"
#include "FMain_.h"
#include "UAbout.h"
#include "course/FKaheshMaksCheshmiMain_.h"
#include "course/FSPeedTestMainForm_.h"
#include "course/FSteps_.h"
#include "course/FTaghviatDidMain_.h"
#include "course/FTaghviatDid_.h"
#include "display/FDisplay_.h"
#include "display/FWait_.h"
#include "speed/FSpeedChart_.h"
#include "speed/FSpeedTest_.h"
#include "speed/FTamrinTondKhani_.h"

void CreateForms() {
    FMain = new TFMain();
    FDisplay = new TFDisplay();
    AboutForm = new TAboutForm();
    FSteps = new TFSteps();
    FWait = new TFWait();
    FSpeedTest = new TFSpeedTest();
    FSPeedTestMainForm = new TFSPeedTestMainForm();
    FSpeedChart = new TFSpeedChart();
    FTaghviatDidMain = new TFTaghviatDidMain();
    FTaghviatDid = new TFTaghviatDid();
    FTamrinTondKhani = new TFTamrinTondKhani();
    FKaheshMaksCheshmiMain = new TFKaheshMaksCheshmiMain();
    FContactUs = new TFContactUs();
}
