

                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Reference Dose (aRfD) =   0.060000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
Run Comment: "DWLOC golden run"
===============================================================================

Summary calculations--per capita:

                   95th Percentile      99th Percentile      99.9th Percentile
                          ppm                  ppm                  ppm
                       ----------           ----------           ----------
:Total US Population
                         0.000000             0.000000             0.000000     

:Custom demographics 1: Adults 20-49
                        30.025000            30.005000            30.000500     

:Children 1-2 yrs
                       150.050000           150.010000           150.001000     




































                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Reference Dose (aRfD) =   0.060000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
Run Comment: "DWLOC golden run"
===============================================================================

Total US Population                DWLOC per Capita /a
-------------------                     (ppm) 
                                   ----------------
            Mean                      107.650002
            Standard Deviation         48.305768
            Standard Error of mean     21.602996

       Percent of Person-Days that are User-Days = 100.00%


  Estimated percentile of per-capita days reaching or exceeding calculated DWLOC
    in ppm of drinking water

      Percentile      ppm                  Percentile      ppm    
      ----------  ----------               ----------  ---------- 
         10.00    180.000000                  90.00     98.010002
         20.00    150.500000                  95.00      0.000000
         30.00    150.000000                  97.50      0.000000
         40.00     99.750000                  99.00      0.000000
         50.00     99.500000                  99.50      0.000000
         60.00     99.250000                  99.75      0.000000
         70.00     99.000000                  99.90      0.000000
         80.00     98.505001
-------------------------------------------------------------------------------
a/ Analysis based on all two-day participant records in Test Survey 2001-2002
   with 2 days of valid drinking water records.




















                                      2 


                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Population-Adjusted Dose (aPAD) =   0.015000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
Run Comment: "DWLOC golden run"
===============================================================================

Custom demographics 1: Adults 20-49
Sex: M/F-all/
All Races
Age-Low: 20 yrs   High: 49 yrs
-----------------------------------

                                   DWLOC per Capita
                                        (ppm) 
                                   ----------------
            Mean                       40.025002
            Standard Deviation         11.460476
            Standard Error of mean      6.616709

       Percent of Person-Days that are User-Days = 100.00%


  Estimated percentile of per-capita days reaching or exceeding calculated DWLOC
    in ppm of drinking water

      Percentile      ppm                  Percentile      ppm    
      ----------  ----------               ----------  ---------- 
         10.00     50.000000                  90.00     30.050000
         20.00     50.000000                  95.00     30.025000
         30.00     49.950000                  97.50     30.012500
         40.00     49.850000                  99.00     30.005000
         50.00     49.750000                  99.50     30.002500
         60.00     30.200000                  99.75     30.001250
         70.00     30.150000                  99.90     30.000500
         80.00     30.100000

















                                      3 


                                                            Ver. 1.2.3, FCID 3.0
Tarn-VELD DWLOC Analysis for TESTAZINE                   Test Survey 2001-2002
Residue file: TESTAZ.R10                          Adjustment factor #2 NOT used.
Analysis Date: 03/04/2024/13:05:09    Residue file dated: 01/02/2003
QVA Acute Reference Dose (aRfD) =   0.060000 mg/kg body-wt/day
RAC/FF intake summed over 24 hours
Run Comment: "DWLOC golden run"
===============================================================================

Children 1-2 yrs                   DWLOC per Capita
----------------                        (ppm) 
                                   ----------------
            Mean                      150.500000
            Standard Deviation         n/a
            Standard Error of mean     n/a

       Percent of Person-Days that are User-Days = 100.00%


  Estimated percentile of per-capita days reaching or exceeding calculated DWLOC
    in ppm of drinking water

      Percentile      ppm                  Percentile      ppm    
      ----------  ----------               ----------  ---------- 
         10.00    150.900000                  90.00    150.100000
         20.00    150.800000                  95.00    150.050000
         30.00    150.700000                  97.50    150.025000
         40.00    150.600000                  99.00    150.010000
         50.00    150.500000                  99.50    150.005000
         60.00    150.400000                  99.75    150.002500
         70.00    150.300000                  99.90    150.001000
         80.00    150.200000























                                      4 
