#include "app/Program.h"
#include "app/FAbout.h"
#include "app/FBoot.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FParGen.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FSoftOptions.h"
#include "platform/controls/Application.h"

void Create_Program_Windows()
{
    Application->CreateForm(FRodedoruzoFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FParGen);
    Application->CreateForm(FBoot);
    // The catalogue test window, the editors and their dialogs follow here
    // in their order as they land.
}
