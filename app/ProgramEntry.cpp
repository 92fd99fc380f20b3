#include "app/ProgramEntry.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"

void CreateEmptyMainForm()
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetName(QStringLiteral("MainForm"));
    main->SetCaption(QStringLiteral("Stratagon"));
    main->SetPosition(poScreenCenter);
    main->SetBounds(0, 0, 800, 600);
}

int RunProgram(int argc, char** argv, TCreateWindows CreateWindows)
{
    static int args = argc;
    Application->Initialize(args, argv);
    Application->SetTitle(QStringLiteral("Stratagon"));
    if (CreateWindows)
        CreateWindows();
    else
        CreateEmptyMainForm();
    Application->Run();
    return 0;
}
