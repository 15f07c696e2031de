// A DLL that lives beside the test programs only: finding it proves a search looked there.
extern "C" __declspec(dllexport) int PlantedProbe()
{
    return 1;
}
