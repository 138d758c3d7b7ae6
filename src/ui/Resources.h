#pragma once
// The pictures and sounds compiled into the program (":/img/..."). A static
// library's resources must be registered by the program that links it.
void initPlenaroResources();
