#include "CDiagFile.h"

CDiagFile::~CDiagFile()
{
    close();
}

bool CDiagFile::open(const std::wstring& path)
{
    close();
    m_file = _wfopen(path.c_str(), L"w");
    if (m_file)
        m_path = path;
    return m_file != nullptr;
}

void CDiagFile::close()
{
    if (m_file)
        fclose(m_file);
    m_file = nullptr;
    m_path.clear();
}

void CDiagFile::write(const std::string& line)
{
    if (m_file)
        fputs(line.c_str(), m_file);
}
