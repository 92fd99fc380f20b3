#include "app/Program.h"
#include "app/FAbout.h"
#include "app/FBoot.h"
#include "app/FEnOcean_Device.h"
#include "app/FEnOcean_SetAccess.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/FEnOcean_Variable.h"
#include "app/FEnOcean_Variable_SAck.h"
#include "app/Form1.h"
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
    Application->CreateForm(Form1);
    Application->CreateForm(FEnOcean_SetAccess);
    Application->CreateForm(FParGen);
    Application->CreateForm(FBoot);
    Application->CreateForm(FEnOcean_SetAccess2);
    Application->CreateForm(FEnOcean_Device);
    Application->CreateForm(FEnOcean_Variable);
    Application->CreateForm(FEnOcean_Variable_SAck);
    // The topic, PROFINET name, engineering-unit and BACnet windows join
    // here in their order as they land.
}
