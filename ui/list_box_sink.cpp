#include "list_box_sink.h"

#include <string>

ListBoxSink::~ListBoxSink()
{
    if (m_redrawOff) {
        m_list.SetRedraw(true);
        m_list.Invalidate();
    }
}

void ListBoxSink::Clear()
{
    if (!m_redrawOff) {
        m_list.SetRedraw(false);
        m_redrawOff = true;
    }
    m_list.ResetContent();
}

void ListBoxSink::Append(std::string_view row)
{
    m_list.AddString(std::string(row));
}
