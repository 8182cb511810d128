#include "search_state.h"

#include "platform/RichTextPane.h"

namespace brennvik {

QString g_SearchSubject;
QString g_FindWhat;
QString g_ReplaceWith;
int32_t g_CaretPos = 0;
int32_t g_HitCount = 0;
int16_t g_FirstPress = -1;
int32_t g_LineEndPos = 0;
int16_t g_ShiftFormat = 1;
QPointer<RichTextPane> g_SearchPane;

void ResetSearchState() {
    g_SearchSubject.clear();
    g_FindWhat.clear();
    g_ReplaceWith.clear();
    g_CaretPos = 0;
    g_HitCount = 0;
    g_FirstPress = -1;
    g_LineEndPos = 0;
    g_ShiftFormat = 1;
    g_SearchPane = nullptr;
}

}  // namespace brennvik
