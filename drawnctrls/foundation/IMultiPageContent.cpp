#include "IMultiPageContent.h"

IMultiPageContent::IMultiPageContent(CWnd* parent) : m_parentWnd(parent) {}

IMultiPageContent::IMultiPageContent(const IMultiPageContent& other)
    : m_parentWnd(other.m_parentWnd), m_parentFrame(other.m_parentFrame), m_ownedByHost(other.m_ownedByHost),
      m_impc(other.m_impc)
{
}

IMultiPageContent& IMultiPageContent::operator=(const IMultiPageContent& other)
{
    // The registration stays this page's own.
    m_parentWnd = other.m_parentWnd;
    m_parentFrame = other.m_parentFrame;
    m_ownedByHost = other.m_ownedByHost;
    m_impc = other.m_impc;
    return *this;
}

IMultiPageContent::~IMultiPageContent()
{
    if (m_pages && m_ownIndex >= 0 && m_ownIndex < int(m_pages->size()) && (*m_pages)[m_ownIndex] == this)
        (*m_pages)[m_ownIndex] = nullptr;
}

void IMultiPageContent::registerIn(std::vector<IMultiPageContent*>* pages, int index)
{
    m_pages = pages;
    m_ownIndex = pages ? index : -1;
}
