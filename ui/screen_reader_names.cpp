#include "screen_reader_names.h"

#include <initguid.h>  // the annotation service's ids, defined here

#include <objbase.h>
#include <oleacc.h>

namespace {

// The annotation service of the accessibility interfaces, for one use.  COM
// makes it from its registration in the system folder, so nothing of it is
// linked into the program, nor ever loaded from beside it.
class AnnotationService {
public:
    AnnotationService()
    {
        const HRESULT started = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        comStarted_ = SUCCEEDED(started);
        ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                           reinterpret_cast<void**>(&service_));
    }
    ~AnnotationService()
    {
        if (service_)
            service_->Release();
        if (comStarted_)
            ::CoUninitialize();
    }
    AnnotationService(const AnnotationService&) = delete;
    AnnotationService& operator=(const AnnotationService&) = delete;

    IAccPropServices* operator->() const { return service_; }
    explicit operator bool() const { return service_ != nullptr; }

private:
    bool comStarted_ = false;
    IAccPropServices* service_ = nullptr;
};

}  // namespace

bool NameForScreenReaders(std::initializer_list<ScreenReaderName> names)
{
    const AnnotationService service;
    if (!service)
        return false;
    bool named = true;
    for (const ScreenReaderName& each : names) {
        named = SUCCEEDED(service->SetHwndPropStr(each.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                  PROPID_ACC_NAME, each.name)) && named;
    }
    return named;
}

void ForgetScreenReaderNames(std::initializer_list<HWND> controls)
{
    const AnnotationService service;
    if (!service)
        return;
    MSAAPROPID name = PROPID_ACC_NAME;
    for (HWND control : controls)
        service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
}
