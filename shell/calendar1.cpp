#include "shell/calendar1.h"

#include "automation/automation_date.h"
#include "automation/property_bag.h"
#include "automation/status.h"
#include "calendar/calendar_interface.h"

#include <array>
#include <utility>

namespace guheng::shell {
namespace {

using namespace automation;

// The failures the hosting layer reports, in the user's words.
constexpr std::array<std::pair<HRESULT, const char16_t*>, 6> reasons{{
    {CO_E_CLASSSTRING, u"没有找到它的登记，程序旁边也没有 calendar.so 和它的清单"},
    {REGDB_E_CLASSNOTREG, u"这个控件类没有注册"},
    {CO_E_DLLNOTFOUND, u"找不到控件库 calendar.so"},
    {CO_E_ERRORINDLL, u"控件库已损坏，缺少它的入口"},
    {REGDB_E_READREGDB, u"读不出控件的注册信息"},
    {DISP_E_TYPEMISMATCH, u"控件读不进保存的属性"},
}};

QString reasonFor(HRESULT status) {
    for (const auto& [code, reason] : reasons)
        if (code == status)
            return QString::fromUtf16(reason);
    return QStringLiteral("控件创建失败");
}

} // namespace

StoredCalendar storedCalendar1() {
    const double firstFebruary2001 = *daySerialOf(CivilDate{2001, 2, 1});
    return {std::u16string(calendar::CalendarProgId), firstFebruary2001};
}

std::variant<HostedControl, QString> createCalendar1(const StoredCalendar& stored) {
    const PropertyBag bag{{u"DateNow", Variant::fromDate(stored.DateNow)}};
    HostingResult hosted = createControl(stored.className, &bag, nullptr);
    if (succeeded(hosted.status) && hosted.control)
        return std::move(hosted.control);
    return QStringLiteral("无法创建日历控件“%1”：%2（错误代码 0x%3）。程序将退出。")
        .arg(QString::fromStdU16String(stored.className), reasonFor(hosted.status))
        .arg(quint32(hosted.status), 8, 16, QChar('0'));
}

} // namespace guheng::shell
