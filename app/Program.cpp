#include "app/Program.h"
#include "app/FAbout.h"
#include "app/FBACnetSlaveSetAccess.h"
#include "app/FBACnet_Eng_Unit.h"
#include "app/FBoot.h"
#include "app/FEnOcean_Device.h"
#include "app/FEnOcean_SetAccess.h"
#include "app/FEnOcean_SetAccess2.h"
#include "app/FEnOcean_Variable.h"
#include "app/FEnOcean_Variable_SAck.h"
#include "app/FMQTT_Set_Topic.h"
#include "app/Form1.h"
#include "app/FNew_Project.h"
#include "app/FOpenConf.h"
#include "app/FParGen.h"
#include "app/FProfinetFileName.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FSoftOptions.h"
#include "app/FTopicTemplate.h"
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
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);
    Application->CreateForm(FEnOcean_Variable_SAck);
    Application->CreateForm(FProfinetFileName);
    Application->CreateForm(FBACnet_Eng_Unit);
    Application->CreateForm(FBACnetSlaveSetAccess);
}
