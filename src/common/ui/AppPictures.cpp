#include "common/ui/AppPictures.h"

#include <array>

namespace veltrano {

QIcon smallPicture(SmallPicture picture)
{
    static const std::array<const char16_t *, kSmallPictureCount> names{
        u"todo", u"timeline", u"clock", u"options", u"notepad", u"calculator",
        u"flash", u"cdopen", u"cdclose", u"hide", u"exit"};
    return appPicture(QString::fromUtf16(names[static_cast<size_t>(picture)]));
}

QIcon notePadPicture(NotePadPicture picture)
{
    static const std::array<const char16_t *, kNotePadPictureCount> names{
        u"newsub", u"delsub", u"cut", u"copy", u"paste", u"undo", u"print", u"clear", u"datetime", u"font"};
    return appPicture(QString::fromUtf16(names[static_cast<size_t>(picture)]));
}

} // namespace veltrano
