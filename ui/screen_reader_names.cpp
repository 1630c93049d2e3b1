#include "screen_reader_names.h"

#include <initguid.h>  // the annotation service's ids, defined here

#include <objbase.h>
#include <oleacc.h>

namespace {

// Lends the annotation service of the accessibility interfaces to use.  COM
// makes it from its registration in the system folder, so nothing of it is
// linked into the program, nor ever loaded from beside it.
template <class Use>
void WithAnnotationService(Use use)
{
    const HRESULT started = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* service = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                     reinterpret_cast<void**>(&service)))) {
        use(*service);
        service->Release();
    }
    if (SUCCEEDED(started))
        ::CoUninitialize();
}

}  // namespace

void NameForScreenReaders(std::initializer_list<ScreenReaderName> names)
{
    WithAnnotationService([&](IAccPropServices& service) {
        for (const ScreenReaderName& each : names)
            service.SetHwndPropStr(each.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                   each.name);
    });
}

void ForgetScreenReaderNames(std::initializer_list<HWND> controls)
{
    WithAnnotationService([&](IAccPropServices& service) {
        MSAAPROPID name = PROPID_ACC_NAME;
        for (HWND control : controls)
            service.ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    });
}
