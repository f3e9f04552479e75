a:\xcacls S:\INTRANET\ONDREL /t /g administrators:F system:F everyone:R /Y
a:\xcacls S:\INTRANET\ONDREL\Students\Kinder\KA\lee /t /g administrators:F system:F annmarie.lee:RC everyone:R /Y
a:\xcacls S:\INTRANET\ONDREL\Students\presch\PA\zob /t /g administrators:F system:F zoe.o'brien-smith:RC everyone:R /Y
a:\xcacls S:\INTRANET\ONDREL\Students\year8\8A\jb /t /g administrators:F system:F jo.brown:RC everyone:R /Y
a:\xcacls S:\INTRANET\ONDREL\Students\year9\9A\tv9 /t /g administrators:F system:F tomas.varga3:RC everyone:R /Y
a:\xcacls S:\INTRANET\ONDREL\Students\year10\10A\mf /t /g administrators:F system:F maximilian.featherst:RC everyone:R /Y
