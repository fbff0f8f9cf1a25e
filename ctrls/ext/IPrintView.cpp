#include "IPrintView.h"

IPrintView::~IPrintView() = default;
