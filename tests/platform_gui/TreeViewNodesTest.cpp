// Tree views: the node tree, its data, and selection changes by the user
// and by the program.
#include "StdControlsFixture.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include <QTreeWidget>

using namespace SyntheticInput;

namespace {

class TreeViewNodes : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Tree = new TTreeView(Form);
        Tree->SetParent(Form);
        Tree->SetBounds(0, 0, 200, 250);
        Tree->OnChange = [this](TObject*, TTreeNode* n) { Log << "change " + (n ? n->Text() : QStringLiteral("none")); };
        Tree->OnChanging = [this](TObject*, TTreeNode* n, bool& allow) {
            Log << "changing " + (n ? n->Text() : QStringLiteral("none"));
            allow = !Refuse;
        };
        Gateway = Tree->Items()->AddObject(nullptr, QStringLiteral("Gateway"), &Data[0]);
        Devices = Tree->Items()->AddChildObject(Gateway, QStringLiteral("Devices"), &Data[1]);
        for (int i = 0; i < 3; ++i)
            Tree->Items()->AddChildObject(Devices, QStringLiteral("Device %1").arg(i), &Data[2 + i]);
        Tree->Items()->Add(Gateway, QStringLiteral("Objects"));
        Tree->SetFocus();
    }
    TTreeView* Tree = nullptr;
    TTreeNode* Gateway = nullptr;
    TTreeNode* Devices = nullptr;
    int Data[5] = {};
    bool Refuse = false;
};

TEST_F(TreeViewNodes, NodesKeepTheirDataAndPlace)
{
    EXPECT_EQ(Tree->Items()->Count(), 6);
    EXPECT_EQ(Tree->Items()->RootCount(), 2);
    TTreeNode* d1 = Devices->Item(1);
    EXPECT_EQ(d1->Data(), &Data[3]);
    EXPECT_EQ(d1->Level(), 2);
    EXPECT_EQ(d1->Parent(), Devices);
    EXPECT_EQ(d1->AbsoluteIndex(), 3);
    EXPECT_EQ(Tree->Items()->Item(3), d1);
    // Inserting before and deleting keep the others' data.
    Tree->Items()->Insert(Devices->Item(0), QStringLiteral("First"));
    Devices->Item(2)->Delete();
    QStringList texts;
    std::vector<void*> data;
    for (int i = 0; i < Devices->Count(); ++i) {
        texts << Devices->Item(i)->Text();
        data.push_back(Devices->Item(i)->Data());
    }
    EXPECT_EQ(texts, QStringList({"First", "Device 0", "Device 2"}));
    EXPECT_EQ(data, (std::vector<void*>{nullptr, &Data[2], &Data[4]}));
    EXPECT_EQ(Gateway->GetNextSibling()->Text(), QStringLiteral("Objects"));
    EXPECT_EQ(Tree->Items()->Item(5)->Text(), QStringLiteral("Objects"));
}

TEST_F(TreeViewNodes, ProgramSelectionRunsOnChangeOnly)
{
    Devices->Item(2)->SetSelected(true);
    EXPECT_EQ(Tree->Selected()->Data(), &Data[4]);
    EXPECT_TRUE(Devices->Expanded());
    EXPECT_TRUE(Gateway->Expanded());
    Devices->Item(2)->Delete();
    EXPECT_EQ(Tree->Selected(), nullptr);
    EXPECT_EQ(Log, QStringList({"change Device 2", "change none"}));
}

TEST_F(TreeViewNodes, UserSelectionAsksOnChangingFirst)
{
    Tree->FullExpand();
    Tree->SetSelected(Gateway);
    Log.clear();
    Key(Tree, VK_DOWN);
    EXPECT_EQ(Tree->Selected(), Devices);
    EXPECT_EQ(Log, QStringList({"changing Devices", "change Devices"}));
    Log.clear();
    Refuse = true;
    Key(Tree, VK_UP);
    EXPECT_EQ(Tree->Selected(), Devices);
    EXPECT_EQ(Log, QStringList({"changing Gateway"}));
    // The widget went back to the node the tree still holds.
    Refuse = false;
    Key(Tree, VK_DOWN);
    EXPECT_EQ(Tree->Selected()->Text(), QStringLiteral("Device 0"));
}

TEST_F(TreeViewNodes, NodesShowTheirImagesAndTheSelectionHidesWithoutFocus)
{
    auto* images = new TImageList(nullptr);
    images->SetSize(16, 16);
    TBitmap red(16, 16);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(&red, nullptr);
    Tree->SetImages(images);
    Gateway->SetImageIndex(0);
    auto* tree = qobject_cast<QTreeWidget*>(NativeWidget(Tree));
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* top = tree->topLevelItem(0);
    ASSERT_FALSE(top->icon(0).isNull());
    EXPECT_EQ(top->icon(0).pixmap(16, 16).toImage().pixelColor(8, 8), QColor(255, 0, 0));
    EXPECT_TRUE(tree->topLevelItem(1)->icon(0).isNull());
    // Freeing the list takes the images away.
    delete images;
    EXPECT_EQ(Tree->Images(), nullptr);
    EXPECT_TRUE(top->icon(0).isNull());

    QPalette p = tree->palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight), p.color(QPalette::Inactive, QPalette::Base));
    Tree->SetHideSelection(false);
    p = tree->palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight), p.color(QPalette::Active, QPalette::Highlight));
}

TEST_F(TreeViewNodes, ClearFreesEverythingAndNodesCanBeAddedAgain)
{
    int deleted = 0;
    Tree->OnDeletion = [&](TObject*, TTreeNode*) { ++deleted; };
    Tree->SetSelected(Devices);
    Tree->Items()->Clear();
    EXPECT_EQ(deleted, 6);
    EXPECT_EQ(Tree->Items()->Count(), 0);
    EXPECT_EQ(Tree->Selected(), nullptr);
    TTreeNode* n = Tree->Items()->AddChildObject(nullptr, QStringLiteral("again"), &Data[0]);
    EXPECT_EQ(Tree->GetNodeAt(n->DisplayRect(false).Left + 2, n->DisplayRect(false).Top + 2), n);
    // Freeing the tree runs no events.
    n->SetSelected(true);
    deleted = 0;
    Log.clear();
    delete Tree;
    EXPECT_EQ(deleted, 0);
    EXPECT_TRUE(Log.isEmpty());
}

} // namespace
