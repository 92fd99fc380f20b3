#include "core/Device_EnOcean.h"

namespace {

template <typename T>
void Destroy_All(std::vector<T*>& List)
{
    while (!List.empty()) {
        delete List.back();
        List.pop_back();
    }
}

} // namespace

TRorFunTyp::~TRorFunTyp()
{
    Clear_Variables();
}

void TRorFunTyp::Clear_Variables()
{
    Destroy_All(VariableList);
}

TDevice_EnOcean::~TDevice_EnOcean()
{
    Destroy_All(UnidirectionalList);
    Destroy_All(SmartACKList);
}

void Clear_Device_List(TDevice_List& List)
{
    Destroy_All(List);
}

TGroup_SAck::~TGroup_SAck()
{
    Destroy_All(VarsInList);
    Destroy_All(VarsOutList);
}

TRorFunTyp_SAck::~TRorFunTyp_SAck()
{
    Destroy_All(GroupList);
}
