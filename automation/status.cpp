#include "automation/status.h"

#include <cstdio>
#include <string_view>
#include <utility>

namespace guheng::automation {
namespace {

constexpr std::pair<HRESULT, std::string_view> Messages[] = {
    {S_OK, "success"},
    {S_FALSE, "success, with nothing done"},
    {E_NOTIMPL, "not implemented"},
    {E_NOINTERFACE, "no such interface supported"},
    {E_POINTER, "invalid pointer"},
    {E_FAIL, "unspecified failure"},
    {E_UNEXPECTED, "unexpected failure"},
    {E_OUTOFMEMORY, "out of memory"},
    {E_INVALIDARG, "one or more arguments are invalid"},
    {DISP_E_UNKNOWNINTERFACE, "unknown interface"},
    {DISP_E_MEMBERNOTFOUND, "member not found"},
    {DISP_E_TYPEMISMATCH, "type mismatch"},
    {DISP_E_UNKNOWNNAME, "unknown name"},
    {DISP_E_BADVARTYPE, "bad variable type"},
    {DISP_E_OVERFLOW, "out of present range"},
    {DISP_E_BADPARAMCOUNT, "invalid number of parameters"},
    {CLASS_E_NOAGGREGATION, "class does not support aggregation"},
    {CLASS_E_CLASSNOTAVAILABLE, "class not available from this library"},
    {REGDB_E_READREGDB, "could not read the class registry"},
    {REGDB_E_WRITEREGDB, "could not write the class registry"},
    {REGDB_E_CLASSNOTREG, "class not registered"},
    {CO_E_CLASSSTRING, "invalid class string"},
    {CO_E_DLLNOTFOUND, "library for the class not found"},
    {CO_E_ERRORINDLL, "library for the class is not a server"},
    {RPC_E_WRONG_THREAD, "called from the wrong thread"},
    {static_cast<HRESULT>(0x80070002), "file not found"},
    {static_cast<HRESULT>(0x80070005), "access denied"},
};

} // namespace

std::string statusMessage(HRESULT status) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%08X", static_cast<unsigned>(status));
    for (const auto& [code, text] : Messages) {
        if (code == status)
            return std::string(number) + ": " + std::string(text);
    }
    return std::string(number) + (failed(status) ? ": unknown failure" : ": success");
}

} // namespace guheng::automation
