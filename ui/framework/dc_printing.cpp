// The printing operations of CDC.
#include "dc.h"

#include <utility>

#include "font.h"

int CDC::StartDoc(const DOCINFOA& document)
{
    return ::StartDocA(m_hDC, &document);
}

int CDC::StartPage()
{
    return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
    return ::EndPage(m_hDC);
}

int CDC::EndDoc()
{
    return ::EndDoc(m_hDC);
}

bool CDC::TextOut(int x, int y, const char* text, int length)
{
    return ::TextOutA(m_hDC, x, y, text, length) != FALSE;
}

bool CDC::GetTextMetrics(TEXTMETRICA& metrics) const
{
    return ::GetTextMetricsA(m_hDC, &metrics) != FALSE;
}

SIZE CDC::GetTextExtent(const char* text, int length) const
{
    SIZE size{};
    if (!::GetTextExtentPoint32A(m_hDC, text, length, &size))
        size = SIZE{};
    return size;
}

int CDC::GetDeviceCaps(int index) const
{
    return ::GetDeviceCaps(m_hDC, index);
}

CDC::Selection CDC::SelectObject(const CFont& font)
{
    return Selection(m_hDC, font.GetSafeHandle());
}

CDC::Selection::Selection(HDC dc, HGDIOBJ object)
    : m_hDC(dc), m_hOldObject(dc && object ? ::SelectObject(dc, object) : nullptr)
{
    if (m_hOldObject == HGDI_ERROR)
        m_hOldObject = nullptr;
}

CDC::Selection::Selection(Selection&& other) noexcept
    : m_hDC(other.m_hDC), m_hOldObject(std::exchange(other.m_hOldObject, nullptr))
{
}

CDC::Selection::~Selection()
{
    if (m_hOldObject)
        ::SelectObject(m_hDC, m_hOldObject);
}
