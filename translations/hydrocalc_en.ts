<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>Hydraulic calculator %1</source>
        <translation>Hydraulic calculator %1</translation>
    </message>
</context>
<context>
    <name>CircuitPage</name>
    <message>
        <source>Simple pipeline</source>
        <translation>Simple circuit: check the inputs</translation>
    </message>
    <message>
        <source>Operational line: %1</source>
        <translation>Operation line: %1</translation>
    </message>
    <message>
        <source>Return line: %1</source>
        <translation>Return line: %1</translation>
    </message>
    <message>
        <source>Double action HC</source>
        <translation>Through-rod cylinder</translation>
    </message>
    <message>
        <source>Single action HC </source>
        <translation>Single-rod cylinder </translation>
    </message>
    <message>
        <source>Taken over, not typed: double-click it, or use its context menu, for the last calculation of its page</source>
        <translation>Taken over, not typed: double-click it, or use its context menu, for the last calculation of its page</translation>
    </message>
    <message>
        <source>Pumpa mora biti definisana !</source>
        <translation>Define the pump first on the Pump page</translation>
    </message>
    <message>
        <source>Operational line</source>
        <translation>Operation line</translation>
    </message>
    <message>
        <source>Dupli klik za prihvatanje podataka zadnjeg izracunatog</source>
        <translation>Double-click to take over the data last calculated</translation>
    </message>
    <message>
        <source>Directional control avlve pressure drop</source>
        <translation>Directional control valve pressure drop</translation>
    </message>
    <message>
        <source>Blocking valve</source>
        <translation>Blocking valve</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Return line</translation>
    </message>
    <message>
        <source>Blocking system</source>
        <translation>Blocking system</translation>
    </message>
    <message>
        <source>Directional control avlve type T</source>
        <translation>Directional control valve type T</translation>
    </message>
    <message>
        <source>Check valve</source>
        <translation>Check valve</translation>
    </message>
    <message>
        <source>Double check valve</source>
        <translation>Double check valve</translation>
    </message>
    <message>
        <source>Throtle on return line</source>
        <translation>Throttle on return line</translation>
    </message>
    <message>
        <source>Components</source>
        <translation>Components</translation>
    </message>
    <message>
        <source>Sketch</source>
        <translation>Sketch</translation>
    </message>
    <message>
        <source>Hydro cylinder definition</source>
        <translation>Cylinder definition</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pipeline feture</source>
        <translation>Pipeline characteristic</translation>
    </message>
    <message>
        <source>Double-click a field to take over the component last calculated on its page</source>
        <translation>Double-click a field to take over the component last calculated on its page</translation>
    </message>
    <message>
        <source>Pressure at the cylinder</source>
        <translation>Pressure at the cylinder</translation>
    </message>
    <message>
        <source>Cylinder force</source>
        <translation>Cylinder force</translation>
    </message>
    <message>
        <source>Cylinder speed</source>
        <translation>Cylinder speed</translation>
    </message>
    <message>
        <source>Flow [%1]</source>
        <translation>Flow [%1]</translation>
    </message>
    <message>
        <source>Pressure drops[%1]</source>
        <translation>Pressure drops [%1]</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Pipe pressure drop</source>
        <translation>Pipe pressure drop</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Valve pressure drop</translation>
    </message>
    <message>
        <source>Take over from %1</source>
        <translation>Take over from %1</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Calculate a line on the line page first, then take it over.</source>
        <translation>Calculate a line on the Pipe pressure drop page first, then take it over.</translation>
    </message>
    <message>
        <source>Calculate a valve on the valve page first, then take it over.</source>
        <translation>Calculate a valve on the Valve pressure drop page first, then take it over.</translation>
    </message>
    <message>
        <source>the pump flow</source>
        <translation>the pump flow</translation>
    </message>
    <message>
        <source>the operational line</source>
        <translation>the operation line</translation>
    </message>
    <message>
        <source>the directional control valve</source>
        <translation>the directional control valve</translation>
    </message>
    <message>
        <source>the blocking valve</source>
        <translation>the blocking valve</translation>
    </message>
    <message>
        <source>the throttle</source>
        <translation>the throttle</translation>
    </message>
    <message>
        <source>the return line</source>
        <translation>the return line</translation>
    </message>
    <message>
        <source>- the cylinder&apos;s piston and rod diameters: give them on the &quot;Hydro Cylinder&quot; page</source>
        <translation>- the cylinder&apos;s piston and rod diameters: give them on the &quot;Cylinder&quot; page</translation>
    </message>
    <message>
        <source>- %1: calculate it on the &quot;%2&quot; page, then double-click its field here</source>
        <translation>- %1: calculate it on the &quot;%2&quot; page, then double-click its field here</translation>
    </message>
    <message>
        <source>Supply flow Q [%1]</source>
        <translation>Supply flow Q [%1]</translation>
    </message>
    <message>
        <source>The circuit is not complete yet. Still to be taken over:
%1</source>
        <translation>The circuit is not complete yet. Still to be taken over:
%1</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <comment>nothing to take over</comment>
        <translation>Simple circuit: nothing to take over</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <comment>the calculated circuit</comment>
        <translation>Simple circuit: check the results</translation>
    </message>
</context>
<context>
    <name>CircuitSketch</name>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>DCV</source>
        <translation>DCV</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>2 Check</source>
        <translation>2 Check</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Operation line</source>
        <translation>Operation line</translation>
    </message>
    <message>
        <source>Directional control valve</source>
        <translation>Directional control valve</translation>
    </message>
    <message>
        <source>Check valve</source>
        <translation>Check valve</translation>
    </message>
    <message>
        <source>Double Check valve</source>
        <translation>Double check valve</translation>
    </message>
    <message>
        <source>Throttle valve</source>
        <translation>Throttle valve</translation>
    </message>
    <message>
        <source>Hydro Cylinder</source>
        <translation>Hydraulic cylinder</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Return line</translation>
    </message>
    <message>
        <source> Supply tank</source>
        <translation> Tank</translation>
    </message>
</context>
<context>
    <name>CylinderPage</name>
    <message>
        <source>ERROR !!!</source>
        <translation>Cylinder: input error</translation>
    </message>
    <message>
        <source>Resistant Force</source>
        <translation>Load force</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Pressure in</translation>
    </message>
    <message>
        <source>Pressure out</source>
        <translation>Pressure out</translation>
    </message>
    <message>
        <source>Flow in</source>
        <translation>Flow in</translation>
    </message>
    <message>
        <source>Flow out</source>
        <translation>Flow out</translation>
    </message>
    <message>
        <source>Piston diameter</source>
        <translation>Piston diameter</translation>
    </message>
    <message>
        <source>Piston rod diameter</source>
        <translation>Piston rod diameter</translation>
    </message>
    <message>
        <source>Stroke speed</source>
        <translation>Stroke speed</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>Retracted length</source>
        <translation>Retracted length</translation>
    </message>
    <message>
        <source>Safety factor</source>
        <translation>Safety factor</translation>
    </message>
    <message>
        <source>Flange, free rod</source>
        <translation>Flange, free rod</translation>
    </message>
    <message>
        <source>Rear flange, the rod end free (fixed - free): L_K = 2 L</source>
        <translation>Rear flange, the rod end free (fixed - free): L_K = 2 L</translation>
    </message>
    <message>
        <source>Eye, rod eye</source>
        <translation>Eye, rod eye</translation>
    </message>
    <message>
        <source>Rear eye and rod eye (pinned - pinned): L_K = L</source>
        <translation>Rear eye and rod eye (pinned - pinned): L_K = L</translation>
    </message>
    <message>
        <source>Flange, rod eye</source>
        <translation>Flange, rod eye</translation>
    </message>
    <message>
        <source>Rear flange, the rod eye guided (fixed - pinned): L_K = 0.7 L</source>
        <translation>Rear flange, the rod eye guided (fixed - pinned): L_K = 0.7 L</translation>
    </message>
    <message>
        <source>Flange, fixed rod</source>
        <translation>Flange, fixed rod</translation>
    </message>
    <message>
        <source>Rear flange, the rod end fixed (fixed - fixed): L_K = 0.5 L</source>
        <translation>Rear flange, the rod end fixed (fixed - fixed): L_K = 0.5 L</translation>
    </message>
    <message>
        <source>Stroke and buckling</source>
        <translation>Stroke and buckling</translation>
    </message>
    <message>
        <source>Pressure,Flow,Diameters</source>
        <translation>Pressure in, flow in, diameters</translation>
    </message>
    <message>
        <source>Force, Flow,Diameters</source>
        <translation>Force, flow in, diameters</translation>
    </message>
    <message>
        <source>Pressure, Stroke spd, Diameters</source>
        <translation>Pressure in, stroke speed, diameters</translation>
    </message>
    <message>
        <source>Force, Stroke speed, Diameters</source>
        <translation>Force, stroke speed, diameters</translation>
    </message>
    <message>
        <source>DATA INPUT IS NOT VALID</source>
        <translation>The input data are not valid.</translation>
    </message>
    <message>
        <source>Picture %1 not found</source>
        <translation>Picture %1 not found</translation>
    </message>
    <message>
        <source>Single action cyliner</source>
        <translation>Single-rod cylinder (differential)</translation>
    </message>
    <message>
        <source>Double action cylinder</source>
        <translation>Through-rod cylinder (double rod)</translation>
    </message>
    <message>
        <source>Dupli klik za izbor smera opterecenja</source>
        <translation>Right-click to choose the load direction</translation>
    </message>
    <message>
        <source>Push load</source>
        <translation>Push load</translation>
    </message>
    <message>
        <source>Pull load</source>
        <translation>Pull load</translation>
    </message>
    <message>
        <source>Push Force</source>
        <translation>Push force</translation>
    </message>
    <message>
        <source>Pull Force</source>
        <translation>Pull force</translation>
    </message>
    <message>
        <source>Known or desired values</source>
        <translation>Known or desired values</translation>
    </message>
    <message>
        <source>Double click for last calculated pump flow</source>
        <translation>Double-click for the last calculated pump flow</translation>
    </message>
    <message>
        <source>Calculatie</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>between the mounting points, rod retracted; extended, the stroke is added</source>
        <translation>Between the mounting points, rod retracted; extended, the stroke is added</translation>
    </message>
    <message>
        <source>Mounting case of the cylinder</source>
        <translation>Mounting case of the cylinder</translation>
    </message>
    <message>
        <source>F perm.</source>
        <translation>F perm.</translation>
    </message>
    <message>
        <source>Extend</source>
        <translation>Extend</translation>
    </message>
    <message>
        <source>Retract</source>
        <translation>Retract</translation>
    </message>
    <message>
        <source>Regenerative</source>
        <translation>Regenerative</translation>
    </message>
    <message>
        <source>Load direction : Push</source>
        <translation>Push: rod extends, pressure on piston side</translation>
    </message>
    <message>
        <source>Load direction: Pull</source>
        <translation>Pull: rod retracts, pressure on rod side</translation>
    </message>
    <message>
        <source>Load direction : Pull</source>
        <translation>Pull: rod retracts, pressure on rod side</translation>
    </message>
    <message>
        <source>PRESSURE INPUT IS NOT VALID</source>
        <translation>The inlet pressure must be higher than the outlet pressure.</translation>
    </message>
    <message>
        <source>PISTON OR PISTON ROD DIAMETAR ARE NOT VALID  </source>
        <translation>The piston diameter must be larger than the rod diameter.  </translation>
    </message>
    <message>
        <source>Retracted length must be given for the buckling check: the distance between the mounting points, retracted, in mm</source>
        <translation>The retracted length must be given for the buckling check: the distance between the mounting points, rod retracted.</translation>
    </message>
    <message>
        <source>CALCULATION ERROR</source>
        <translation>Cylinder: pressure warning</translation>
    </message>
    <message>
        <source>Load direction: Push</source>
        <translation>Push: rod extends, pressure on piston side</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>a number is expected</source>
        <translation>a number is expected</translation>
    </message>
    <message>
        <source>the number is not finite</source>
        <translation>the number is not finite</translation>
    </message>
    <message>
        <source>%1 is out of range (%2 to %3)</source>
        <translation>%1 is out of range (%2 to %3)</translation>
    </message>
    <message>
        <source>a whole number is expected</source>
        <translation>a whole number is expected</translation>
    </message>
    <message>
        <source>an object ({...}) is expected</source>
        <translation>an object ({...}) is expected</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>a text is expected</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>true or false is expected</translation>
    </message>
    <message>
        <source>is missing: this is no design of this calculator</source>
        <translation>is missing: this is not a design of this calculator</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no format version</source>
        <translation>&quot;%1&quot; is not a format version</translation>
    </message>
    <message>
        <source>the file was written in format %1, by a newer version of the calculator; this one reads format %2</source>
        <translation>the file was written in format %1, by a newer version of the calculator; this one reads format %2</translation>
    </message>
    <message>
        <source>only &quot;metric&quot; designs can be read</source>
        <translation>only &quot;metric&quot; designs can be read</translation>
    </message>
    <message>
        <source>a valve type is a name, not a path</source>
        <translation>a valve type is a name, not a path</translation>
    </message>
    <message>
        <source>At character %1: %2 - the file is no design, or it is cut short.</source>
        <translation>At character %1: %2 - the file is not a design, or it is cut short.</translation>
    </message>
    <message>
        <source>The file holds no design object.</source>
        <translation>The file holds no design.</translation>
    </message>
    <message>
        <source>At %1: %2.</source>
        <translation>At %1: %2.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>The file is %1 MB, far larger than any design (at most %2 MB); it was not read.</source>
        <translation>The file is %1 MB, far larger than any design (at most %2 MB); it was not read.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>It cannot be read: %1.</translation>
    </message>
    <message>
        <source>The file is larger than any design; it was not read.</source>
        <translation>The file is larger than any design; it was not read.</translation>
    </message>
</context>
<context>
    <name>DesignSession</name>
    <message>
        <source>New design</source>
        <translation>New design</translation>
    </message>
    <message>
        <source>Open design…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>Save design as…</source>
        <translation>Save design as…</translation>
    </message>
    <message>
        <source>Recent designs</source>
        <translation>Recent designs</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>New, open and save designs (Ctrl+N, Ctrl+O, Ctrl+S)</source>
        <translation>New, open and save designs (Ctrl+N, Ctrl+O, Ctrl+S)</translation>
    </message>
    <message>
        <source>Hydraulic calculator QX7  ver: 1.0</source>
        <translation>Hydraulic calculator QX7 1.0</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>Results of %1, calculated again on opening %2</source>
        <translation>Results of %1, calculated again on opening %2</translation>
    </message>
    <message>
        <source>Results as calculated on %1, opened from %2</source>
        <translation>Results as calculated on %1, opened from %2</translation>
    </message>
    <message>
        <source>The new design</source>
        <translation>The new design</translation>
    </message>
    <message>
        <source>%1 has changes that were never saved.

Save the design, with its results log, first?</source>
        <translation>%1 has changes that were never saved.

Save the design, with its results log, first?</translation>
    </message>
    <message>
        <source>The results log holds calculations that were never saved.

Save them before closing?</source>
        <translation>The results log holds calculations that were never saved.

Save them before closing?</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Results log: unsaved calculations</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Hydraulic designs (*.hcalc)</source>
        <translation>Hydraulic designs (*.hcalc)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>The design %1 cannot be opened; nothing was changed.</source>
        <translation>The design %1 cannot be opened; nothing was changed.</translation>
    </message>
    <message>
        <source>The design %1 was opened without its valve type: the valve data file %2 was not found.</source>
        <translation>The design %1 was opened without its valve type: the valve data file %2 was not found.</translation>
    </message>
    <message>
        <source>Everything else of the design is as it was saved. Choose the valve type on the valve page again.</source>
        <translation>Everything else of the design is as it was saved. Choose the valve type on the valve page again.</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Save design as</translation>
    </message>
    <message>
        <source>The design could not be saved to %1: %2</source>
        <translation>The design could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>A file that was there before is as it was.</source>
        <translation>A file that was there before is as it was.</translation>
    </message>
    <message>
        <source>The calculator did not end normally last time, and its design and results log held changes that were never saved.

Restore them? No deletes them.</source>
        <translation>The calculator did not end normally last time, and its design and results log held changes that were never saved.

Restore them? No deletes them.</translation>
    </message>
    <message>
        <source>the copy kept after the crash</source>
        <translation>the copy kept after the crash</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>unsaved changes</comment>
        <translation>Design: unsaved changes</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>cannot open</comment>
        <translation>Design: cannot open</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>valve data missing</comment>
        <translation>Design: valve data missing</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>not saved</comment>
        <translation>Design: not saved</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>restore</comment>
        <translation>Design: restore unsaved work</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Hydraulic calculator manual</source>
        <translation>Hydraulic calculator manual</translation>
    </message>
    <message>
        <source>Open the manual</source>
        <translation>Open the manual</translation>
    </message>
</context>
<context>
    <name>DigitKeyFilter</name>
    <message>
        <source>Digits only: this quantity is a positive whole number</source>
        <translation>Digits only: this quantity is a positive whole number</translation>
    </message>
    <message>
        <source>Digits and one decimal point: this quantity is positive</source>
        <translation>Digits and one decimal point: this quantity is positive</translation>
    </message>
</context>
<context>
    <name>FieldPairs</name>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; is not a whole number (allowed: %3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; is not a number (allowed: %3)</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Input error</translation>
    </message>
</context>
<context>
    <name>FieldWidgets</name>
    <message>
        <source>Velicina mora biti zadata</source>
        <translation>This value must be given</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source>The file was not written completely.</source>
        <translation>The file was not written completely.</translation>
    </message>
</context>
<context>
    <name>FluidSelector</name>
    <message>
        <source>Working fluid</source>
        <translation>Working fluid: input error</translation>
    </message>
    <message>
        <source>The temperature &apos;%1&apos; is no number: type a temperature in %2.</source>
        <translation>The temperature &apos;%1&apos; is not a number: type a temperature in %2.</translation>
    </message>
</context>
<context>
    <name>Funkcije</name>
    <message>
        <source>supply side</source>
        <translation>supply side</translation>
    </message>
    <message>
        <source>return side</source>
        <translation>return side</translation>
    </message>
</context>
<context>
    <name>InputChecks</name>
    <message>
        <source>%1: no value given</source>
        <translation>%1: no value given</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1: %2 is out of range (allowed: %3)</source>
        <translation>%1: %2 is out of range (allowed: %3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number (allowed: %3)</source>
        <translation>%1: &quot;%2&quot; is not a number (allowed: %3)</translation>
    </message>
    <message>
        <source>%1: %2 is not in (0, 1]</source>
        <translation>%1: %2 is not in (0, 1]</translation>
    </message>
    <message>
        <source>%1: %2 is not greater than 0</source>
        <translation>%1: %2 is not greater than 0</translation>
    </message>
</context>
<context>
    <name>LinePage</name>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Fluid speed</source>
        <translation>Fluid speed</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Pressure in</translation>
    </message>
    <message>
        <source>a pressure line</source>
        <translation>a pressure line</translation>
    </message>
    <message>
        <source>a return line</source>
        <translation>a return line</translation>
    </message>
    <message>
        <source>a suction line</source>
        <translation>a suction line</translation>
    </message>
    <message>
        <source> %1 is above the usual %2 %1 of %3. Usual velocities: pressure lines %4–%5 %1, return lines %6–%7 %1, suction lines %8–%9 %1.</source>
        <translation> %1 is above the usual %2 %1 of %3. Usual velocities: pressure lines %4–%5 %1, return lines %6–%7 %1, suction lines %8–%9 %1.</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Tube</translation>
    </message>
    <message>
        <source>Hose</source>
        <translation>Hose</translation>
    </message>
    <message>
        <source>Dupli klik za izbor smera opterecenja</source>
        <translation>Tube or hose</translation>
    </message>
    <message>
        <source>Fluid speed [%1]</source>
        <translation>Fluid speed [%1]</translation>
    </message>
    <message>
        <source>Flow [%1]</source>
        <translation>Flow [%1]</translation>
    </message>
    <message>
        <source>Tube type :</source>
        <translation>Tube type:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pressure drop [%1]</source>
        <translation>Pressure drop [%1]</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Regime</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Pipeline input data is not regular </source>
        <translation>The pipe&apos;s input data are not valid. </translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Pipe pressure drop: input error</translation>
    </message>
    <message>
        <source>Diameter, speed or flow, viscosity and density must be greater than 0, the length not negative</source>
        <translation>The diameter, the speed or flow, the viscosity and the density must be greater than 0, and the length must not be negative.</translation>
    </message>
    <message>
        <source>prssure lost [%1]</source>
        <translation>Pressure drop [%1]</translation>
    </message>
    <message>
        <source>The pump page has no flow yet: calculate the pump, or type the flow here.</source>
        <translation>The pump page has no flow yet: calculate the pump, or type the flow here.</translation>
    </message>
</context>
<context>
    <name>LogPrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>LogRecovery</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Cannot make the folder %1</translation>
    </message>
    <message>
        <source>Cannot lock %1 (error %2)</source>
        <translation>Cannot lock %1 (error %2)</translation>
    </message>
</context>
<context>
    <name>MessageButtons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
</context>
<context>
    <name>ModePage</name>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>No calculation mode chosen</source>
        <translation>No calculation mode chosen</translation>
    </message>
    <message>
        <source>These figures together give a result beyond any drive (%1): check the given values</source>
        <translation>These figures together give a result beyond any drive (%1): check the given values</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>Technical plain tube pull broaching  (copper,brass,glass)</source>
        <translation>Drawn smooth tube (copper, brass, glass)</translation>
    </message>
    <message>
        <source>Technical plain tube pull broaching (steel)</source>
        <translation>Drawn smooth tube (steel)</translation>
    </message>
    <message>
        <source>Technical, pull broaching rusted (steel)</source>
        <translation>Drawn tube, rusted (steel)</translation>
    </message>
    <message>
        <source>Technical, pull broaching strong rusted (steel)</source>
        <translation>Drawn tube, heavily rusted (steel)</translation>
    </message>
    <message>
        <source>Welded new (steel)</source>
        <translation>Welded, new (steel)</translation>
    </message>
    <message>
        <source>Welded, new, little rusted (steel)</source>
        <translation>Welded, slightly rusted (steel)</translation>
    </message>
    <message>
        <source>Lamilar</source>
        <translation>Laminar</translation>
    </message>
    <message>
        <source>Transitional</source>
        <translation>Transitional</translation>
    </message>
    <message>
        <source> Lambda by approximation  </source>
        <translation> Lambda by approximation  </translation>
    </message>
    <message>
        <source> Turbulence flow by hydaulic smooth pipes  </source>
        <translation> Turbulent flow, hydraulically smooth pipes  </translation>
    </message>
    <message>
        <source> Hydarulic  asperity pipes </source>
        <translation> Hydraulically rough pipes </translation>
    </message>
    <message>
        <source>  Full Hydarulic  asperity pipes </source>
        <translation>  Hydraulically fully rough pipes </translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Invalid floating point operation</translation>
    </message>
    <message>
        <source>Relative roughness k/d = %1 leaves Colebrook-White without a friction factor</source>
        <translation>Relative roughness k/d = %1 leaves Colebrook-White without a friction factor</translation>
    </message>
    <message>
        <source>Friction factor by Colebrook-White did not converge</source>
        <translation>Friction factor by Colebrook-White did not converge</translation>
    </message>
    <message>
        <source> Relative roughness k/d = </source>
        <translation> Relative roughness k/d = </translation>
    </message>
    <message>
        <source> is above </source>
        <translation> is above </translation>
    </message>
    <message>
        <source>, beyond the measured range of the friction laws</source>
        <translation>, beyond the measured range of the friction laws</translation>
    </message>
    <message>
        <source> -------   Single pipe pressure drop calculation  ----------- </source>
        <translation> -------   Single pipe pressure drop calculation  ----------- </translation>
    </message>
    <message>
        <source> Pipe diametar: d = </source>
        <translation> Pipe diameter: d = </translation>
    </message>
    <message>
        <source> Reynold&apos;s number: Re = </source>
        <translation> Reynolds number: Re = </translation>
    </message>
    <message>
        <source> Fluid flow speed  v =  </source>
        <translation> Fluid flow velocity v =  </translation>
    </message>
    <message>
        <source>Resistance coefficient Lambda = </source>
        <translation>Friction factor Lambda = </translation>
    </message>
    <message>
        <source>Pipe lenght L=  </source>
        <translation>Pipe length L=  </translation>
    </message>
    <message>
        <source>Pressure drop dP=  </source>
        <translation>Pressure drop dP=  </translation>
    </message>
    <message>
        <source>Flow Q=  </source>
        <translation>Flow Q=  </translation>
    </message>
    <message>
        <source>Tube type :  </source>
        <translation>Tube type :  </translation>
    </message>
    <message>
        <source>Wall roughness k =  </source>
        <translation>Wall roughness k =  </translation>
    </message>
    <message>
        <source>Flow type :  </source>
        <translation>Flow type :  </translation>
    </message>
    <message>
        <source> =========Hose pipe calculation ============================</source>
        <translation> =========Hose calculation ============================</translation>
    </message>
    <message>
        <source> Diameter d = </source>
        <translation> Diameter d = </translation>
    </message>
    <message>
        <source> Reynolds number Re= </source>
        <translation> Reynolds number Re= </translation>
    </message>
    <message>
        <source> Flow velocity v= </source>
        <translation> Flow velocity v= </translation>
    </message>
    <message>
        <source>Resistance coefficient  Lambda = </source>
        <translation>Friction factor  Lambda = </translation>
    </message>
    <message>
        <source>Length L=  </source>
        <translation>Length L=  </translation>
    </message>
    <message>
        <source>Pressure drop dP = </source>
        <translation>Pressure drop dP = </translation>
    </message>
    <message>
        <source>Flow Q = </source>
        <translation>Flow Q = </translation>
    </message>
    <message>
        <source>Tube type :   </source>
        <translation>Tube type :   </translation>
    </message>
    <message>
        <source>Wall roughness k =   </source>
        <translation>Wall roughness k =   </translation>
    </message>
    <message>
        <source>Flow type :   </source>
        <translation>Flow type :   </translation>
    </message>
    <message>
        <source>yield strength</source>
        <translation>yield strength</translation>
    </message>
    <message>
        <source>Tetmajer</source>
        <translation>Tetmajer</translation>
    </message>
    <message>
        <source>Euler</source>
        <translation>Euler</translation>
    </message>
    <message>
        <source>Stroke must be greater than 0 mm</source>
        <translation>Stroke must be greater than 0 mm</translation>
    </message>
    <message>
        <source>Rod diameter d must be greater than 0 and smaller than the piston diameter D</source>
        <translation>Rod diameter d must be greater than 0 and smaller than the piston diameter D</translation>
    </message>
    <message>
        <source>Mounting length must not be negative</source>
        <translation>Mounting length must not be negative</translation>
    </message>
    <message>
        <source>Safety factor must be at least 1</source>
        <translation>Safety factor must be at least 1</translation>
    </message>
    <message>
        <source>Flow must be greater than 0 l/min</source>
        <translation>Flow must be greater than 0 l/min</translation>
    </message>
    <message>
        <source>Efficiency must lie in (0, 1]</source>
        <translation>Efficiency must lie in (0, 1]</translation>
    </message>
    <message>
        <source>pull load: the rod is not pushed and does not buckle</source>
        <translation>Pull load: the rod is not pushed and does not buckle</translation>
    </message>
    <message>
        <source>rod safe against buckling</source>
        <translation>Rod safe against buckling</translation>
    </message>
    <message>
        <source>rod may buckle: permissible </source>
        <translation>Rod may buckle: permissible </translation>
    </message>
    <message>
        <source> {unit}, load </source>
        <translation> {unit}, load </translation>
    </message>
    <message>
        <source> ---------- Stroke and buckling ---------- </source>
        <translation> ---------- Stroke and buckling ---------- </translation>
    </message>
    <message>
        <source> Stroke: s = </source>
        <translation> Stroke: s = </translation>
    </message>
    <message>
        <source> [{unit}], flow Q = </source>
        <translation> [{unit}], flow Q = </translation>
    </message>
    <message>
        <source> [{unit}], t = </source>
        <translation> [{unit}], t = </translation>
    </message>
    <message>
        <source> [{unit}], V = </source>
        <translation> [{unit}], V = </translation>
    </message>
    <message>
        <source> Extend:  v = </source>
        <translation> Extend:  v = </translation>
    </message>
    <message>
        <source> Retract: v = </source>
        <translation> Retract: v = </translation>
    </message>
    <message>
        <source> Regenerative extension: v = </source>
        <translation> Regenerative extension: v = </translation>
    </message>
    <message>
        <source> [{unit}], F = </source>
        <translation> [{unit}], F = </translation>
    </message>
    <message>
        <source>fixed - free</source>
        <translation>fixed - free</translation>
    </message>
    <message>
        <source>pinned - pinned</source>
        <translation>pinned - pinned</translation>
    </message>
    <message>
        <source>fixed - pinned</source>
        <translation>fixed - pinned</translation>
    </message>
    <message>
        <source>fixed - fixed</source>
        <translation>fixed - fixed</translation>
    </message>
    <message>
        <source> Mounting: </source>
        <translation> Mounting: </translation>
    </message>
    <message>
        <source> [{unit}] extended</source>
        <translation> [{unit}] extended</translation>
    </message>
    <message>
        <source> Buckling length L_K = </source>
        <translation> Buckling length L_K = </translation>
    </message>
    <message>
        <source> [{unit}], slenderness = </source>
        <translation> [{unit}], slenderness = </translation>
    </message>
    <message>
        <source> Buckling load </source>
        <translation> Buckling load </translation>
    </message>
    <message>
        <source> [{unit}], permissible push force </source>
        <translation> [{unit}], permissible push force </translation>
    </message>
    <message>
        <source> [{unit}] (safety </source>
        <translation> [{unit}] (safety </translation>
    </message>
    <message>
        <source>Piston diameter D1 must be greater than 0 mm: set it on the cylinder page</source>
        <translation>Piston diameter D1 must be greater than 0 mm: set it on the cylinder page</translation>
    </message>
    <message>
        <source>Rod diameter D2 must be greater than 0 mm: set it on the cylinder page</source>
        <translation>Rod diameter D2 must be greater than 0 mm: set it on the cylinder page</translation>
    </message>
    <message>
        <source>Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on the cylinder page</source>
        <translation>Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on the cylinder page</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Floating point division by zero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Floating point overflow</translation>
    </message>
    <message>
        <source>Temperature %1 °C is outside the range %2 to %3 °C of %4</source>
        <translation>Temperature %1 °C is outside the range %2 to %3 °C of %4</translation>
    </message>
    <message>
        <source>the viscosity relation</source>
        <translation>the viscosity relation</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>User-defined</translation>
    </message>
    <message>
        <source> ==========   HYDRAULIC MOTOR CALCULATION =====================</source>
        <translation> ==========   HYDRAULIC MOTOR CALCULATION =====================</translation>
    </message>
    <message>
        <source> Power : </source>
        <translation> Power : </translation>
    </message>
    <message>
        <source> Flow  : </source>
        <translation> Flow  : </translation>
    </message>
    <message>
        <source> Torque  : </source>
        <translation> Torque  : </translation>
    </message>
    <message>
        <source>Pressure in: </source>
        <translation>Pressure in: </translation>
    </message>
    <message>
        <source>Angular spped: </source>
        <translation>Angular speed: </translation>
    </message>
    <message>
        <source>Displacement  je: </source>
        <translation>Displacement    : </translation>
    </message>
    <message>
        <source> Volumetric efficiency : </source>
        <translation> Volumetric efficiency : </translation>
    </message>
    <message>
        <source> Hydromechanical efficiency : </source>
        <translation> Hydromechanical efficiency : </translation>
    </message>
    <message>
        <source> ----------- Single action cylinder calculaton -------------- </source>
        <translation> ----------- Single-rod cylinder calculation -------------- </translation>
    </message>
    <message>
        <source> External force : </source>
        <translation> External force : </translation>
    </message>
    <message>
        <source> Diameter of piston /piston rod   : </source>
        <translation> Diameter of piston /piston rod   : </translation>
    </message>
    <message>
        <source> Stroke speed : </source>
        <translation> Stroke speed : </translation>
    </message>
    <message>
        <source> Piston area : </source>
        <translation> Piston area : </translation>
    </message>
    <message>
        <source> Piston rod side area: </source>
        <translation> Piston rod side area: </translation>
    </message>
    <message>
        <source> Working pressure:  </source>
        <translation> Working pressure:  </translation>
    </message>
    <message>
        <source> Outgoing pressure  </source>
        <translation> Outgoing pressure  </translation>
    </message>
    <message>
        <source>Piston side flow  </source>
        <translation>Piston side flow  </translation>
    </message>
    <message>
        <source>Outgoing flow  </source>
        <translation>Outgoing flow  </translation>
    </message>
    <message>
        <source> Cylinder efficiency : </source>
        <translation> Cylinder efficiency : </translation>
    </message>
    <message>
        <source> ----------- Double action hydro cylinder calculation -------------- </source>
        <translation> ----------- Through-rod cylinder calculation -------------- </translation>
    </message>
    <message>
        <source> External Force :  </source>
        <translation> External force :  </translation>
    </message>
    <message>
        <source> Pison diameater : </source>
        <translation> Piston diameter : </translation>
    </message>
    <message>
        <source> Pison rod diameter : </source>
        <translation> Piston rod diameter : </translation>
    </message>
    <message>
        <source> Piston area  : </source>
        <translation> Piston area  : </translation>
    </message>
    <message>
        <source>Working pressure  </source>
        <translation>Working pressure  </translation>
    </message>
    <message>
        <source>Flow:  </source>
        <translation>Flow:  </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
    <message>
        <source> ---------   PUMP CALCULATION       --------------------- </source>
        <translation> ---------   PUMP CALCULATION       --------------------- </translation>
    </message>
    <message>
        <source> Flow : </source>
        <translation> Flow : </translation>
    </message>
    <message>
        <source> Working pressure : </source>
        <translation> Working pressure : </translation>
    </message>
    <message>
        <source> Revolution per minute: </source>
        <translation> Revolutions per minute: </translation>
    </message>
    <message>
        <source>  [o/min] </source>
        <translation>  [rpm] </translation>
    </message>
    <message>
        <source> Displacement volume  : </source>
        <translation> Displacement volume  : </translation>
    </message>
    <message>
        <source>isothermal</source>
        <translation>isothermal</translation>
    </message>
    <message>
        <source>adiabatic</source>
        <translation>adiabatic</translation>
    </message>
    <message>
        <source>polytropic</source>
        <translation>polytropic</translation>
    </message>
    <message>
        <source>Precharge p0</source>
        <translation>Precharge p0</translation>
    </message>
    <message>
        <source>Minimum pressure p1</source>
        <translation>Minimum pressure p1</translation>
    </message>
    <message>
        <source>Maximum pressure p2</source>
        <translation>Maximum pressure p2</translation>
    </message>
    <message>
        <source>Minimum pressure p1 (%1) must be above the precharge p0 (%2)</source>
        <translation>Minimum pressure p1 (%1) must be above the precharge p0 (%2)</translation>
    </message>
    <message>
        <source>Maximum pressure p2 (%1) must be above the minimum pressure p1 (%2)</source>
        <translation>Maximum pressure p2 (%1) must be above the minimum pressure p1 (%2)</translation>
    </message>
    <message>
        <source>Polytropic exponent n</source>
        <translation>Polytropic exponent n</translation>
    </message>
    <message>
        <source>Gas temperature: %1 is not above absolute zero</source>
        <translation>Gas temperature: %1 is not above absolute zero</translation>
    </message>
    <message>
        <source>Useful volume</source>
        <translation>Useful volume</translation>
    </message>
    <message>
        <source>Accumulator size</source>
        <translation>Accumulator size</translation>
    </message>
    <message>
        <source>At %1 the precharge is %2, not below the minimum pressure p1 (%3)</source>
        <translation>At %1 the precharge is %2, not below the minimum pressure p1 (%3)</translation>
    </message>
    <message>
        <source>precharge at most 0.9 × minimum pressure</source>
        <translation>precharge at most 0.9 × minimum pressure</translation>
    </message>
    <message>
        <source>p2/p0 above 4, the usual limit of a bladder</source>
        <translation>p2/p0 above 4, the usual limit of a bladder</translation>
    </message>
    <message>
        <source> -------   Gas accumulator (nitrogen)  ----------- </source>
        <translation> -------   Gas accumulator (nitrogen)  ----------- </translation>
    </message>
    <message>
        <source> Precharge p0 = </source>
        <translation> Precharge p0 = </translation>
    </message>
    <message>
        <source> [{unit}] at </source>
        <translation> [{unit}] at </translation>
    </message>
    <message>
        <source> Minimum pressure p1 = </source>
        <translation> Minimum pressure p1 = </translation>
    </message>
    <message>
        <source> Maximum pressure p2 = </source>
        <translation> Maximum pressure p2 = </translation>
    </message>
    <message>
        <source> Gas temperature = </source>
        <translation> Gas temperature = </translation>
    </message>
    <message>
        <source> Process: </source>
        <translation> Process: </translation>
    </message>
    <message>
        <source> Precharge at gas temperature = </source>
        <translation> Precharge at gas temperature = </translation>
    </message>
    <message>
        <source> [{unit}] (given)</source>
        <translation> [{unit}] (given)</translation>
    </message>
    <message>
        <source> Useful volume dV = </source>
        <translation> Useful volume dV = </translation>
    </message>
    <message>
        <source> Size V0 = </source>
        <translation> Size V0 = </translation>
    </message>
    <message>
        <source> Gas volume at p1: V1 = </source>
        <translation> Gas volume at p1: V1 = </translation>
    </message>
    <message>
        <source> Gas volume at p2: V2 = </source>
        <translation> Gas volume at p2: V2 = </translation>
    </message>
    <message>
        <source> Pressure ratio p2/p0 (absolute) = </source>
        <translation> Pressure ratio p2/p0 (absolute) = </translation>
    </message>
    <message>
        <source> Advice: </source>
        <translation> Advice: </translation>
    </message>
    <message>
        <source>%1: %2 is not greater than 0</source>
        <translation>%1: %2 is not greater than 0</translation>
    </message>
    <message>
        <source>%1: %2 is negative</source>
        <translation>%1: %2 is negative</translation>
    </message>
    <message>
        <source>%1: %2 is not in [%3, %4]</source>
        <translation>%1: %2 is not in [%3, %4]</translation>
    </message>
    <message>
        <source>Bore</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Rod</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Rod (%1) must be thinner than the bore (%2)</source>
        <translation>Rod (%1) must be thinner than the bore (%2)</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Stroke</translation>
    </message>
    <message>
        <source>Moving mass</source>
        <translation>Moving mass</translation>
    </message>
    <message>
        <source>Dead volume, piston side</source>
        <translation>Dead volume, piston side</translation>
    </message>
    <message>
        <source>Dead volume, rod side</source>
        <translation>Dead volume, rod side</translation>
    </message>
    <message>
        <source>Bulk modulus K</source>
        <translation>Bulk modulus K</translation>
    </message>
    <message>
        <source>Oil volume</source>
        <translation>Oil volume</translation>
    </message>
    <message>
        <source>Pressure rise</source>
        <translation>Pressure rise</translation>
    </message>
    <message>
        <source> -------   Oil compressibility  ----------- </source>
        <translation> -------   Oil compressibility  ----------- </translation>
    </message>
    <message>
        <source> Oil volume V = </source>
        <translation> Oil volume V = </translation>
    </message>
    <message>
        <source> Pressure rise dp = </source>
        <translation> Pressure rise dp = </translation>
    </message>
    <message>
        <source> Effective bulk modulus K = </source>
        <translation> Effective bulk modulus K = </translation>
    </message>
    <message>
        <source> Oil taken by compression dV = </source>
        <translation> Oil taken by compression dV = </translation>
    </message>
    <message>
        <source> -------   Cylinder stiffness and natural frequency  ----------- </source>
        <translation> -------   Cylinder stiffness and natural frequency  ----------- </translation>
    </message>
    <message>
        <source> Bore D = </source>
        <translation> Bore D = </translation>
    </message>
    <message>
        <source> [{unit}], rod d = </source>
        <translation> [{unit}], rod d = </translation>
    </message>
    <message>
        <source> [{unit}], stroke s = </source>
        <translation> [{unit}], stroke s = </translation>
    </message>
    <message>
        <source> Moving mass m = </source>
        <translation> Moving mass m = </translation>
    </message>
    <message>
        <source> Dead volume piston side V1 = </source>
        <translation> Dead volume piston side V1 = </translation>
    </message>
    <message>
        <source> [{unit}], rod side V2 = </source>
        <translation> [{unit}], rod side V2 = </translation>
    </message>
    <message>
        <source> Lowest natural frequency f0 = </source>
        <translation> Lowest natural frequency f0 = </translation>
    </message>
    <message>
        <source> [{unit}] at x = </source>
        <translation> [{unit}] at x = </translation>
    </message>
    <message>
        <source> Stiffness there c = </source>
        <translation> Stiffness there c = </translation>
    </message>
    <message>
        <source>Tank volume</source>
        <translation>Tank volume</translation>
    </message>
    <message>
        <source>Power lost</source>
        <translation>Power lost</translation>
    </message>
    <message>
        <source>Duty: %1 is not in (0, 100]</source>
        <translation>Duty: %1 is not in (0, 100]</translation>
    </message>
    <message>
        <source>Tank surface</source>
        <translation>Tank surface</translation>
    </message>
    <message>
        <source>Heat transfer coefficient k</source>
        <translation>Heat transfer coefficient k</translation>
    </message>
    <message>
        <source>Oil density</source>
        <translation>Oil density</translation>
    </message>
    <message>
        <source>Specific heat</source>
        <translation>Specific heat</translation>
    </message>
    <message>
        <source>Temperature: %1 is not above absolute zero</source>
        <translation>Temperature: %1 is not above absolute zero</translation>
    </message>
    <message>
        <source>Highest oil temperature (%1) must be above the ambient temperature (%2)</source>
        <translation>Highest oil temperature (%1) must be above the ambient temperature (%2)</translation>
    </message>
    <message>
        <source> -------   Heat balance of the tank  ----------- </source>
        <translation> -------   Heat balance of the tank  ----------- </translation>
    </message>
    <message>
        <source> Power lost P = </source>
        <translation> Power lost P = </translation>
    </message>
    <message>
        <source> [{unit}] at a duty of </source>
        <translation> [{unit}] at a duty of </translation>
    </message>
    <message>
        <source> Tank volume V = </source>
        <translation> Tank volume V = </translation>
    </message>
    <message>
        <source> Tank surface A = </source>
        <translation> Tank surface A = </translation>
    </message>
    <message>
        <source> Heat transfer coefficient k = </source>
        <translation> Heat transfer coefficient k = </translation>
    </message>
    <message>
        <source> Ambient Ta = </source>
        <translation> Ambient Ta = </translation>
    </message>
    <message>
        <source> Highest oil temperature Tmax = </source>
        <translation> Highest oil temperature Tmax = </translation>
    </message>
    <message>
        <source> Oil density = </source>
        <translation> Oil density = </translation>
    </message>
    <message>
        <source> [{unit}], specific heat c = </source>
        <translation> [{unit}], specific heat c = </translation>
    </message>
    <message>
        <source> The tank&apos;s steel is left out of the heat capacity (on the safe side)</source>
        <translation> The tank&apos;s steel is left out of the heat capacity (on the safe side)</translation>
    </message>
    <message>
        <source> Steady oil temperature = </source>
        <translation> Steady oil temperature = </translation>
    </message>
    <message>
        <source> Time constant tau = </source>
        <translation> Time constant tau = </translation>
    </message>
    <message>
        <source> Time from ambient to Tmax = </source>
        <translation> Time from ambient to Tmax = </translation>
    </message>
    <message>
        <source> Time from ambient to Tmax: not reached</source>
        <translation> Time from ambient to Tmax: not reached</translation>
    </message>
    <message>
        <source> Cooler power to hold Tmax = </source>
        <translation> Cooler power to hold Tmax = </translation>
    </message>
    <message>
        <source>Suction</source>
        <translation>Suction</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Design velocity</source>
        <translation>Design velocity</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinematic viscosity</translation>
    </message>
    <message>
        <source> Suction line, usual </source>
        <translation> Suction line, usual </translation>
    </message>
    <message>
        <source> Return line, usual </source>
        <translation> Return line, usual </translation>
    </message>
    <message>
        <source> Pressure line, usual </source>
        <translation> Pressure line, usual </translation>
    </message>
    <message>
        <source> -------   Line sizing  ----------- </source>
        <translation> -------   Line sizing  ----------- </translation>
    </message>
    <message>
        <source> Flow Q = </source>
        <translation> Flow Q = </translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source> [{unit}]; design velocity v = </source>
        <translation> [{unit}]; design velocity v = </translation>
    </message>
    <message>
        <source> Length L = </source>
        <translation> Length L = </translation>
    </message>
    <message>
        <source> [{unit}], viscosity = </source>
        <translation> [{unit}], viscosity = </translation>
    </message>
    <message>
        <source> Inner diameter for v: d = </source>
        <translation> Inner diameter for v: d = </translation>
    </message>
    <message>
        <source> No hose of the series up to </source>
        <translation> No hose of the series up to </translation>
    </message>
    <message>
        <source> [{unit}]) is wide enough</source>
        <translation> [{unit}]) is wide enough</translation>
    </message>
    <message>
        <source> Next hose size </source>
        <translation> Next hose size </translation>
    </message>
    <message>
        <source> Hose velocity v = </source>
        <translation> Hose velocity v = </translation>
    </message>
    <message>
        <source> Hose pressure drop dp = </source>
        <translation> Hose pressure drop dp = </translation>
    </message>
    <message>
        <source> Reynolds number Re = </source>
        <translation> Reynolds number Re = </translation>
    </message>
    <message>
        <source>, flow type: </source>
        <translation>, flow type: </translation>
    </message>
    <message>
        <source>Discharge coefficient alpha: %1 is not in (0, 1]</source>
        <translation>Discharge coefficient alpha: %1 is not in (0, 1]</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source> -------   Sharp-edged orifice  ----------- </source>
        <translation> -------   Sharp-edged orifice  ----------- </translation>
    </message>
    <message>
        <source> Pressure drop dp = </source>
        <translation> Pressure drop dp = </translation>
    </message>
    <message>
        <source> Discharge coefficient alpha = </source>
        <translation> Discharge coefficient alpha = </translation>
    </message>
    <message>
        <source> Jet velocity = </source>
        <translation> Jet velocity = </translation>
    </message>
    <message>
        <source> ---------------- VALVE CALCULATION --- -------------- </source>
        <translation> ---------------- VALVE CALCULATION --- -------------- </translation>
    </message>
    <message>
        <source>Valve type: </source>
        <translation>Valve type: </translation>
    </message>
    <message>
        <source>Pressure intake port: [{unit}]:  </source>
        <translation>Pressure intake port: [{unit}]:  </translation>
    </message>
    <message>
        <source>Presure drop:  </source>
        <translation>Pressure drop:  </translation>
    </message>
    <message>
        <source>Presure out:  [{unit}]:  </source>
        <translation>Pressure out:  [{unit}]:  </translation>
    </message>
    <message>
        <source>%1 must be greater than 0 %2: %3</source>
        <translation>%1 must be greater than 0 %2: %3</translation>
    </message>
    <message>
        <source>%1 must be greater than 0: %2</source>
        <translation>%1 must be greater than 0: %2</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 %4: %5</source>
        <translation>%1 must lie between %2 and %3 %4: %5</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3: %4</source>
        <translation>%1 must lie between %2 and %3: %4</translation>
    </message>
    <message>
        <source>calculate the line on its page and take it over again</source>
        <translation>calculate the line on its page and take it over again</translation>
    </message>
    <message>
        <source>calculate the valve on its page and take it over again</source>
        <translation>calculate the valve on its page and take it over again</translation>
    </message>
    <message>
        <source>operation line</source>
        <translation>operation line</translation>
    </message>
    <message>
        <source>Operation line</source>
        <translation>Operation line</translation>
    </message>
    <message>
        <source>Operation line diameter</source>
        <translation>Operation line diameter</translation>
    </message>
    <message>
        <source>Operation line length</source>
        <translation>Operation line length</translation>
    </message>
    <message>
        <source>return line</source>
        <translation>return line</translation>
    </message>
    <message>
        <source>Return line</source>
        <translation>Return line</translation>
    </message>
    <message>
        <source>Return line diameter</source>
        <translation>Return line diameter</translation>
    </message>
    <message>
        <source>Return line length</source>
        <translation>Return line length</translation>
    </message>
    <message>
        <source>directional control valve</source>
        <translation>directional control valve</translation>
    </message>
    <message>
        <source>Directional control valve</source>
        <translation>Directional control valve</translation>
    </message>
    <message>
        <source>Warning: the directional control valve </source>
        <translation>Warning: the directional control valve </translation>
    </message>
    <message>
        <source>blocking valve</source>
        <translation>blocking valve</translation>
    </message>
    <message>
        <source>Blocking valve</source>
        <translation>Blocking valve</translation>
    </message>
    <message>
        <source>Warning: the blocking valve </source>
        <translation>Warning: the blocking valve </translation>
    </message>
    <message>
        <source>throttle</source>
        <translation>throttle</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Warning: the throttle </source>
        <translation>Warning: the throttle </translation>
    </message>
    <message>
        <source>The %1 slot &apos;%2&apos; is not %3 with numbers: %4</source>
        <translation>The %1 slot &apos;%2&apos; is not of the form %3 with numbers: %4</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>%1 tube type must be one of the six tube types: %2</source>
        <translation>%1 tube type must be one of the six tube types: %2</translation>
    </message>
    <message>
        <source>%1 p0 and k must be numbers: %2</source>
        <translation>%1 p0 and k must be numbers: %2</translation>
    </message>
    <message>
        <source>%1 p0 must lie within %2 bar and k within %3 bar/(l/min)2 either side of 0: %4</source>
        <translation>%1 p0 must lie within %2 bar and k within %3 bar/(l/min)² either side of 0: %4</translation>
    </message>
    <message>
        <source>The %1 slot is empty: %2</source>
        <translation>The %1 slot is empty: %2</translation>
    </message>
    <message>
        <source>diameter|length</source>
        <translation>diameter|length</translation>
    </message>
    <message>
        <source>name|p0%k</source>
        <translation>name|p0%k</translation>
    </message>
    <message>
        <source>Supply flow Q</source>
        <translation>Supply flow Q</translation>
    </message>
    <message>
        <source>l/min</source>
        <translation>l/min</translation>
    </message>
    <message>
        <source>calculate the pump or type a flow</source>
        <translation>calculate the pump or type a flow</translation>
    </message>
    <message>
        <source>set it on the cylinder page</source>
        <translation>set it on the cylinder page</translation>
    </message>
    <message>
        <source>Piston diameter D1</source>
        <translation>Piston diameter D1</translation>
    </message>
    <message>
        <source>Return flow Qr must be greater than 0 l/min and within range: check the supply flow Q and the cylinder&apos;s diameters D1 and D2</source>
        <translation>Return flow Qr must be greater than 0 l/min and within range: check the supply flow Q and the cylinder&apos;s diameters D1 and D2</translation>
    </message>
    <message>
        <source>calculate the pump</source>
        <translation>calculate the pump</translation>
    </message>
    <message>
        <source>set it on the pump page</source>
        <translation>set it on the pump page</translation>
    </message>
    <message>
        <source>set it below the pages</source>
        <translation>set it in the working fluid panel below the pages</translation>
    </message>
    <message>
        <source>Pump power</source>
        <translation>Pump power</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Pump pressure</source>
        <translation>Pump pressure</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Pump displacement</source>
        <translation>Pump displacement</translation>
    </message>
    <message>
        <source>cm3</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>Pump volumetric efficiency</source>
        <translation>Pump volumetric efficiency</translation>
    </message>
    <message>
        <source>Pump mechanical efficiency</source>
        <translation>Pump hydromechanical efficiency</translation>
    </message>
    <message>
        <source>Working fluid density</source>
        <translation>Working fluid density</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>Working fluid viscosity</source>
        <translation>Working fluid viscosity</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>Cylinder efficiency</source>
        <translation>Cylinder efficiency</translation>
    </message>
    <message>
        <source>The pressure drops use up the pump pressure: the pump gives </source>
        <translation>The pressure drops use up the pump pressure: the pump gives </translation>
    </message>
    <message>
        <source> {unit}, the drops take </source>
        <translation> {unit}, the drops take </translation>
    </message>
    <message>
        <source> {unit} (supply </source>
        <translation> {unit} (supply </translation>
    </message>
    <message>
        <source>, return </source>
        <translation>, return </translation>
    </message>
    <message>
        <source>). The cylinder cannot move the load.</source>
        <translation>). The cylinder cannot move the load.</translation>
    </message>
    <message>
        <source> runs at </source>
        <translation> runs at </translation>
    </message>
    <message>
        <source>, above the largest flow of its data, </source>
        <translation>, above the largest flow of its data, </translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <translation>Simple circuit: check the circuit</translation>
    </message>
    <message>
        <source> No pressure is left here: the drops up to this element take </source>
        <translation> No pressure is left here: the drops up to this element take </translation>
    </message>
    <message>
        <source> {unit} more than the pump gives.</source>
        <translation> {unit} more than the pump gives.</translation>
    </message>
    <message>
        <source> Result: no cylinder at the end of the circuit</source>
        <translation> Result: no cylinder at the end of the circuit</translation>
    </message>
    <message>
        <source> Result: flow </source>
        <translation> Result: flow </translation>
    </message>
    <message>
        <source> {unit}; the pressure drops use up the pump pressure: the cylinder cannot move the load</source>
        <translation> {unit}; the pressure drops use up the pump pressure: the cylinder cannot move the load</translation>
    </message>
    <message>
        <source> {unit}, pressure at the cylinder </source>
        <translation> {unit}, pressure at the cylinder </translation>
    </message>
    <message>
        <source> {unit}, force </source>
        <translation> {unit}, force </translation>
    </message>
    <message>
        <source> {unit}, speed </source>
        <translation> {unit}, speed </translation>
    </message>
    <message>
        <source> ----------- SIMPLE PIPELINE CALCULATION --------------- </source>
        <translation> ----------- SIMPLE CIRCUIT CALCULATION --------------- </translation>
    </message>
</context>
<context>
    <name>MotorPage</name>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Speed range</source>
        <translation>Speed range</translation>
    </message>
    <message>
        <source>Hydromechanical efficiency</source>
        <translation>Hydromechanical efficiency</translation>
    </message>
    <message>
        <source> Volumetric efficiency</source>
        <translation> Volumetric efficiency</translation>
    </message>
    <message>
        <source>Torque, Pressure, Flow</source>
        <translation>Torque, Pressure, Flow</translation>
    </message>
    <message>
        <source>Torque, Pressure, Power</source>
        <translation>Torque, Pressure, Power</translation>
    </message>
    <message>
        <source>Torque, Pressure, Speed range</source>
        <translation>Torque, Pressure, Speed range</translation>
    </message>
    <message>
        <source>Torque, Flow, Displacement</source>
        <translation>Torque, Flow, Displacement</translation>
    </message>
    <message>
        <source>Torque, Flow, Speed range</source>
        <translation>Torque, Flow, Speed range</translation>
    </message>
    <message>
        <source>Torque, Displacement, Speed range</source>
        <translation>Torque, Displacement, Speed range</translation>
    </message>
    <message>
        <source>Pressure, Flow, Displacement</source>
        <translation>Pressure, Flow, Displacement</translation>
    </message>
    <message>
        <source>Pressure, Flow, Speed range</source>
        <translation>Pressure, Flow, Speed range</translation>
    </message>
    <message>
        <source>Pressure, Power, Displacement</source>
        <translation>Pressure, Power, Displacement</translation>
    </message>
    <message>
        <source>Pressure, Power, Speed range</source>
        <translation>Pressure, Power, Speed range</translation>
    </message>
    <message>
        <source>Pressure, Displacement, Speed range</source>
        <translation>Pressure, Displacement, Speed range</translation>
    </message>
    <message>
        <source>Flow, Power, Displacement</source>
        <translation>Flow, Power, Displacement</translation>
    </message>
    <message>
        <source>Flow, Power, Speed range</source>
        <translation>Flow, Power, Speed range</translation>
    </message>
    <message>
        <source>Power, Displacement, Speed range</source>
        <translation>Power, Displacement, Speed range</translation>
    </message>
    <message>
        <source>Iregular data input </source>
        <translation>Hydraulic motor data entered incorrectly </translation>
    </message>
    <message>
        <source>ERROR, HYDRO MOTOR DEFINITION </source>
        <translation>Hydraulic motor: input error </translation>
    </message>
    <message>
        <source>Known or desired values</source>
        <translation>Known or desired values</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>PictureBundle</name>
    <message>
        <source>Resource %1 not found</source>
        <translation>Picture %1 not found</translation>
    </message>
</context>
<context>
    <name>PumpPage</name>
    <message>
        <source>Shaft power</source>
        <translation>Shaft power</translation>
    </message>
    <message>
        <source>Speed range</source>
        <translation>Speed range</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Flow:</source>
        <translation>Flow:</translation>
    </message>
    <message>
        <source>Hydromechanical efficiency</source>
        <translation>Hydromechanical efficiency</translation>
    </message>
    <message>
        <source> Volumetric efficiency</source>
        <translation> Volumetric efficiency</translation>
    </message>
    <message>
        <source>Power, Pressure, Displacement</source>
        <translation>Power, Pressure, Displacement</translation>
    </message>
    <message>
        <source>Power, Pressure, Speed range</source>
        <translation>Power, Pressure, Speed range</translation>
    </message>
    <message>
        <source>Displacement, Speed range, Pressure</source>
        <translation>Displacement, Speed range, Pressure</translation>
    </message>
    <message>
        <source>Displacement,Speed range, Power</source>
        <translation>Displacement, Speed range, Power</translation>
    </message>
    <message>
        <source>Flow, Displacement, Pressure</source>
        <translation>Flow, Displacement, Pressure</translation>
    </message>
    <message>
        <source>Flow,Displacement, Power</source>
        <translation>Flow, Displacement, Power</translation>
    </message>
    <message>
        <source>Pump data improoperly entered</source>
        <translation>Pump data entered incorrectly</translation>
    </message>
    <message>
        <source>ERROR DATA INPUT</source>
        <translation>Pump: input error</translation>
    </message>
    <message>
        <source>Desired or known values</source>
        <translation>Desired or known values</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>CALCULATION ERROR</source>
        <translation>Pump: pressure warning</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Pump: input error</translation>
    </message>
</context>
<context>
    <name>QuantityLabels</name>
    <message>
        <source>Warring, pressure higher  than %1 %2 :: %3 %2</source>
        <translation>Warning: pressure higher than %1 %2: %3 %2</translation>
    </message>
</context>
<context>
    <name>ResultsLogPage</name>
    <message>
        <source>Save as...</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Erase text</source>
        <translation>Erase text</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Snimi proracune kao..</source>
        <translation>Save calculations as…</translation>
    </message>
    <message>
        <source>Rich text (*.rtf)</source>
        <translation>Rich text (*.rtf)</translation>
    </message>
    <message>
        <source>Tekst fajl (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Results log: unsaved calculations</translation>
    </message>
    <message>
        <source>The results log holds calculations that were never saved.

Save them before erasing?</source>
        <translation>The results log holds calculations that were never saved.

Save them before erasing?</translation>
    </message>
    <message>
        <source>After Discard, Ctrl+Z in the log brings the text back.</source>
        <translation>After Discard, Ctrl+Z in the log brings the text back.</translation>
    </message>
    <message>
        <source>Hydraulic calculator - values</source>
        <translation>Hydraulic calculator - results</translation>
    </message>
    <message>
        <source>Printing the results log...</source>
        <translation>Printing the results log…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 – results log</source>
        <translation>%1 – results log</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; failed</source>
        <translation>Printing &quot;%1&quot; failed</translation>
    </message>
    <message>
        <source>The printer or the print file could not be written.</source>
        <translation>The printer or the print file could not be written.</translation>
    </message>
    <message>
        <source>Cannot save the results to %1</source>
        <translation>Cannot save the results to %1</translation>
    </message>
</context>
<context>
    <name>SystemAccumulatorPage</name>
    <message>
        <source>Isothermal (slow, n = 1)</source>
        <translation>Isothermal (slow, n = 1)</translation>
    </message>
    <message>
        <source>Adiabatic (fast, n = 1.4)</source>
        <translation>Adiabatic (fast, n = 1.4)</translation>
    </message>
    <message>
        <source>Polytropic</source>
        <translation>Polytropic</translation>
    </message>
    <message>
        <source>Precharge p0 (at %1 %2)</source>
        <translation>Precharge p0 (at %1 %2)</translation>
    </message>
    <message>
        <source>Minimum pressure p1</source>
        <translation>Minimum pressure p1</translation>
    </message>
    <message>
        <source>Maximum pressure p2</source>
        <translation>Maximum pressure p2</translation>
    </message>
    <message>
        <source>Polytropic exponent n</source>
        <translation>Polytropic exponent n</translation>
    </message>
    <message>
        <source>Working gas temperature</source>
        <translation>Working gas temperature</translation>
    </message>
    <message>
        <source>Useful volume ΔV</source>
        <translation>Useful volume ΔV</translation>
    </message>
    <message>
        <source>Size V0</source>
        <translation>Size V0</translation>
    </message>
    <message>
        <source>Between 1 (isothermal) and 1.4 (adiabatic) for nitrogen; real gas at high pressure up to about 1.6</source>
        <translation>Between 1 (isothermal) and 1.4 (adiabatic) for nitrogen; real gas at high pressure up to about 1.6</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Size for a useful volume</source>
        <translation>Size for a useful volume</translation>
    </message>
    <message>
        <source>Useful volume of a size</source>
        <translation>Useful volume of a size</translation>
    </message>
    <message>
        <source>Pressures are gauge pressures; the gas laws use absolute pressure (gauge + %1 %2). The precharge is given at %3 %4 and rises with the gas&apos;s absolute temperature.</source>
        <translation>Pressures are gauge pressures; the gas laws use absolute pressure (gauge + %1 %2). The precharge is given at %3 %4 and rises with the gas&apos;s absolute temperature.</translation>
    </message>
    <message>
        <source>Gas volume at p1: V1</source>
        <translation>Gas volume at p1: V1</translation>
    </message>
    <message>
        <source>Gas volume at p2: V2</source>
        <translation>Gas volume at p2: V2</translation>
    </message>
    <message>
        <source>Pressure ratio p2/p0 (absolute)</source>
        <translation>Pressure ratio p2/p0 (absolute)</translation>
    </message>
    <message>
        <source>Precharge at gas temperature</source>
        <translation>Precharge at gas temperature</translation>
    </message>
</context>
<context>
    <name>SystemCalculator</name>
    <message>
        <source>INPUT ERROR</source>
        <translation>System: input error</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>%1: no value given</source>
        <translation>%1: no value given</translation>
    </message>
</context>
<context>
    <name>SystemCompressPage</name>
    <message>
        <source>Effective bulk modulus K</source>
        <translation>Effective bulk modulus K</translation>
    </message>
    <message>
        <source>Oil volume V</source>
        <translation>Oil volume V</translation>
    </message>
    <message>
        <source>Pressure rise Δp</source>
        <translation>Pressure rise Δp</translation>
    </message>
    <message>
        <source>Bore D</source>
        <translation>Bore D</translation>
    </message>
    <message>
        <source>Rod d</source>
        <translation>Rod d</translation>
    </message>
    <message>
        <source>Stroke s</source>
        <translation>Stroke s</translation>
    </message>
    <message>
        <source>Moving mass m</source>
        <translation>Moving mass m</translation>
    </message>
    <message>
        <source>Dead volume, piston side</source>
        <translation>Dead volume, piston side</translation>
    </message>
    <message>
        <source>Dead volume, rod side</source>
        <translation>Dead volume, rod side</translation>
    </message>
    <message>
        <source>Oil alone about 14 000 to 16 000 %1; lower with hoses and entrained air</source>
        <translation>Oil alone about 14 000 to 16 000 %1; lower with hoses and entrained air</translation>
    </message>
    <message>
        <source>Oil taken by compression</source>
        <translation>Oil taken by compression</translation>
    </message>
    <message>
        <source>Cylinder stiffness (single rod)</source>
        <translation>Cylinder stiffness (single rod)</translation>
    </message>
    <message>
        <source>From the cylinder page</source>
        <translation>From the cylinder page</translation>
    </message>
    <message>
        <source>Bore, rod and stroke of the cylinder page</source>
        <translation>Bore, rod and stroke of the cylinder page</translation>
    </message>
    <message>
        <source>Lowest natural frequency f0 [%1]</source>
        <translation>Lowest natural frequency f0 [%1]</translation>
    </message>
    <message>
        <source>at x from the retracted end</source>
        <translation>at x from the retracted end</translation>
    </message>
    <message>
        <source>The cylinder page has no piston and rod diameters yet: define the cylinder there, or type them here.</source>
        <translation>The cylinder page has no piston and rod diameters yet: define the cylinder there, or type them here.</translation>
    </message>
    <message>
        <source>The cylinder page has no stroke yet: bore and rod are taken over, type the stroke here.</source>
        <translation>The cylinder page has no stroke yet: bore and rod are taken over, type the stroke here.</translation>
    </message>
    <message>
        <source>Give the oil volume and the pressure rise, or the cylinder&apos;s bore, rod, stroke and moving mass</source>
        <translation>Give the oil volume and the pressure rise, or the cylinder&apos;s bore, rod, stroke and moving mass</translation>
    </message>
</context>
<context>
    <name>SystemHeatPage</name>
    <message>
        <source>Oil density: from the working-fluid panel</source>
        <translation>Oil density: from the working-fluid panel</translation>
    </message>
    <message>
        <source>Power lost</source>
        <translation>Power lost</translation>
    </message>
    <message>
        <source>Duty</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>Tank volume</source>
        <translation>Tank volume</translation>
    </message>
    <message>
        <source>Tank surface</source>
        <translation>Tank surface</translation>
    </message>
    <message>
        <source>Heat transfer coefficient k</source>
        <translation>Heat transfer coefficient k</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>Highest oil temperature</source>
        <translation>Highest oil temperature</translation>
    </message>
    <message>
        <source>Still air 8–12, moving air 15–20 %1</source>
        <translation>Still air 8–12, moving air 15–20 %1</translation>
    </message>
    <message>
        <source>Filled from the tank volume, A = 0.065 V^(2/3), until you type a surface</source>
        <translation>Filled from the tank volume, A = 0.065 V^(2/3), until you type a surface</translation>
    </message>
    <message>
        <source>From the circuit</source>
        <translation>From the circuit</translation>
    </message>
    <message>
        <source>The last circuit&apos;s loss: pump input power minus F · v at the cylinder</source>
        <translation>The last circuit&apos;s loss: pump input power minus F · v at the cylinder</translation>
    </message>
    <message>
        <source>Specific heat c = %1 %2 (mineral oil). The tank&apos;s steel is left out of the heat capacity, on the safe side: the real tank warms slower.</source>
        <translation>Specific heat c = %1 %2 (mineral oil). The tank&apos;s steel is left out of the heat capacity, on the safe side: the real tank warms slower.</translation>
    </message>
    <message>
        <source>Steady oil temperature</source>
        <translation>Steady oil temperature</translation>
    </message>
    <message>
        <source>Time constant τ [%1]</source>
        <translation>Time constant τ [%1]</translation>
    </message>
    <message>
        <source>Time from ambient to Tmax [%1]</source>
        <translation>Time from ambient to Tmax [%1]</translation>
    </message>
    <message>
        <source>Cooler to hold Tmax</source>
        <translation>Cooler to hold Tmax</translation>
    </message>
    <message>
        <source>No circuit has been calculated yet, or its cylinder could not move the load: calculate the simple pipeline first, or type the power lost.</source>
        <translation>No circuit has been calculated yet, or its cylinder could not move the load: calculate the simple circuit first, or type the power lost.</translation>
    </message>
    <message>
        <source>time [%1]</source>
        <translation>time [%1]</translation>
    </message>
    <message>
        <source>oil temperature [%1]</source>
        <translation>oil temperature [%1]</translation>
    </message>
    <message>
        <source>Oil density: %1 %2, from the working-fluid panel</source>
        <translation>Oil density: %1 %2, from the working-fluid panel</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>not reached</translation>
    </message>
</context>
<context>
    <name>SystemLineSizingPage</name>
    <message>
        <source>Flow Q</source>
        <translation>Flow Q</translation>
    </message>
    <message>
        <source>Design velocity v</source>
        <translation>Design velocity v</translation>
    </message>
    <message>
        <source>Length L</source>
        <translation>Length L</translation>
    </message>
    <message>
        <source>From the pump</source>
        <translation>From the pump</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>The hose&apos;s velocity and pressure drop are the hose line&apos;s, with the fluid of the working-fluid panel (smooth lining).</source>
        <translation>The hose&apos;s velocity and pressure drop are the hose line&apos;s, with the fluid of the working-fluid panel (smooth lining).</translation>
    </message>
    <message>
        <source>Inner diameter for v</source>
        <translation>Inner diameter for v</translation>
    </message>
    <message>
        <source>Next hose size [%1]</source>
        <translation>Next hose size [%1]</translation>
    </message>
    <message>
        <source>Velocity in the hose</source>
        <translation>Velocity in the hose</translation>
    </message>
    <message>
        <source>Pressure drop over the length</source>
        <translation>Pressure drop over the length</translation>
    </message>
    <message>
        <source>Flow type</source>
        <translation>Flow type</translation>
    </message>
    <message>
        <source>To the line page</source>
        <translation>To the line page</translation>
    </message>
    <message>
        <source>The hose, its length and the flow into the pipe pressure drop page</source>
        <translation>The hose, its length and the flow into the pipe pressure drop page</translation>
    </message>
    <message>
        <source>The pump page has no flow yet: calculate the pump, or type the flow here.</source>
        <translation>The pump page has no flow yet: calculate the pump, or type the flow here.</translation>
    </message>
    <message>
        <source>Calculate a hose size first, then take it over.</source>
        <translation>Calculate a hose size first, then take it over.</translation>
    </message>
    <message>
        <source>above -32: two lines or a pipe</source>
        <translation>above -32: two lines or a pipe</translation>
    </message>
</context>
<context>
    <name>SystemOrificePage</name>
    <message>
        <source>Flow Q</source>
        <translation>Flow Q</translation>
    </message>
    <message>
        <source>Diameter d</source>
        <translation>Diameter d</translation>
    </message>
    <message>
        <source>Pressure drop Δp</source>
        <translation>Pressure drop Δp</translation>
    </message>
    <message>
        <source>Discharge coefficient α</source>
        <translation>Discharge coefficient α</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Pressure drop</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>0.6 to 0.8; 0.62 for a sharp edge</source>
        <translation>0.6 to 0.8; 0.62 for a sharp edge</translation>
    </message>
    <message>
        <source>Q = α · A · √(2 Δp / ρ), A = π d² / 4; the density comes from the working-fluid panel.</source>
        <translation>Q = α · A · √(2 Δp / ρ), A = π d² / 4; the density comes from the working-fluid panel.</translation>
    </message>
    <message>
        <source>Jet velocity √(2 Δp / ρ)</source>
        <translation>Jet velocity √(2 Δp / ρ)</translation>
    </message>
</context>
<context>
    <name>SystemPage</name>
    <message>
        <source>Accumulator</source>
        <translation>Accumulator</translation>
    </message>
    <message>
        <source>Heat balance</source>
        <translation>Heat balance</translation>
    </message>
    <message>
        <source>Orifice</source>
        <translation>Orifice</translation>
    </message>
    <message>
        <source>Compressibility</source>
        <translation>Compressibility</translation>
    </message>
    <message>
        <source>Line sizing</source>
        <translation>Line sizing</translation>
    </message>
</context>
<context>
    <name>TfrmKalvorMain</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>The calculator uses the language chosen from its next start. Entries already in the results log stay as they were written.</source>
        <translation>The calculator uses the language chosen from its next start. Entries already in the results log stay as they were written.</translation>
    </message>
    <message>
        <source>Results log</source>
        <translation>Results log: unsaved calculations</translation>
    </message>
    <message>
        <source> Working fluid: </source>
        <translation> Working fluid: </translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 at %2 %3</translation>
    </message>
    <message>
        <source>user defined</source>
        <translation>user defined</translation>
    </message>
    <message>
        <source>Hydraulic calculator QX7  ver: 1.0</source>
        <translation>Hydraulic calculator QX7 1.0</translation>
    </message>
    <message>
        <source>Pump</source>
        <translation>Pump</translation>
    </message>
    <message>
        <source>Hydro motor</source>
        <translation>Hydraulic motor</translation>
    </message>
    <message>
        <source>Hydro Cylinder</source>
        <translation>Cylinder</translation>
    </message>
    <message>
        <source>Pipe pressure drop</source>
        <translation>Pipe pressure drop</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Valve pressure drop</translation>
    </message>
    <message>
        <source>Simple pipeline</source>
        <translation>Simple circuit</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Result&apos;s</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>ERROR: Aplication start</source>
        <translation>Error at application start.</translation>
    </message>
    <message>
        <source>The calculator did not end normally last time, and its results log held calculations that were never saved.

Restore them into the log? No deletes them.</source>
        <translation>The calculator did not end normally last time, and its results log held calculations that were never saved.

Restore them into the log? No deletes them.</translation>
    </message>
    <message>
        <source>The results log cannot be kept safe against a crash in %1:
%2

Save it yourself now and then.</source>
        <translation>The results log cannot be kept safe against a crash in %1:
%2

Save it yourself now and then.</translation>
    </message>
    <message>
        <source>The manual %1 was not found in the working folder, beside the program or in %2.</source>
        <translation>The manual %1 was not found in the working folder, beside the program or in %2.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help: cannot open</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>the manual</translation>
    </message>
    <message>
        <source> (section &quot;%1&quot;)</source>
        <translation> (section &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>No program on this desktop opens %1. Please open it yourself:
%2</source>
        <translation>No program on this desktop opens %1. Please open it yourself:
%2</translation>
    </message>
    <message>
        <source>About this calculator</source>
        <translation>About this calculator</translation>
    </message>
    <message>
        <source>The manual&apos;s About section</source>
        <translation>The manual&apos;s About section</translation>
    </message>
    <message>
        <source>Go to Internet page</source>
        <translation>Go to the project&apos;s web page</translation>
    </message>
    <message>
        <source>the project&apos;s web page</source>
        <translation>the project&apos;s web page</translation>
    </message>
    <message>
        <source>INNET CONNECITON ERROR</source>
        <translation>The Internet page could not be reached.</translation>
    </message>
    <message>
        <source>COULDN&apos;T ESTABLISH CONNECTION</source>
        <translation>Hydraulic calculator: no connection</translation>
    </message>
    <message>
        <source>FATAL ERROR:: %1</source>
        <translation>Hydraulic calculator: %1</translation>
    </message>
    <message>
        <source>FATAL ERROR:: </source>
        <translation>Hydraulic calculator: unexpected error</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>l/min</source>
        <translation>l/min</translation>
    </message>
    <message>
        <source>cm3</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>cm³</source>
        <translation>cm³</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>daNm</source>
        <translation>daNm</translation>
    </message>
    <message>
        <source>kN</source>
        <translation>kN</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>cm2</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>cm²</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>kg/m³</source>
        <translation>kg/m³</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>mm²/s</source>
        <translation>mm²/s</translation>
    </message>
    <message>
        <source>deg C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>W/(m2 K)</source>
        <translation>W/(m²·K)</translation>
    </message>
    <message>
        <source>W/(m²·K)</source>
        <translation>W/(m²·K)</translation>
    </message>
    <message>
        <source>kJ/(kg K)</source>
        <translation>kJ/(kg·K)</translation>
    </message>
    <message>
        <source>kJ/(kg·K)</source>
        <translation>kJ/(kg·K)</translation>
    </message>
    <message>
        <source>kN/mm</source>
        <translation>kN/mm</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>m2</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>gpm</source>
        <translation>gpm</translation>
    </message>
    <message>
        <source>in3/rev</source>
        <translation>in³/rev</translation>
    </message>
    <message>
        <source>in³/rev</source>
        <translation>in³/rev</translation>
    </message>
    <message>
        <source>hp</source>
        <translation>hp</translation>
    </message>
    <message>
        <source>lbf-ft</source>
        <translation>lbf·ft</translation>
    </message>
    <message>
        <source>lbf·ft</source>
        <translation>lbf·ft</translation>
    </message>
    <message>
        <source>lbf</source>
        <translation>lbf</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>ft/s</source>
        <translation>ft/s</translation>
    </message>
    <message>
        <source>in2</source>
        <translation>in²</translation>
    </message>
    <message>
        <source>in²</source>
        <translation>in²</translation>
    </message>
    <message>
        <source>gal</source>
        <translation>gal</translation>
    </message>
    <message>
        <source>lb/ft3</source>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>lb/ft³</source>
        <translation>lb/ft³</translation>
    </message>
    <message>
        <source>cSt</source>
        <translation>cSt</translation>
    </message>
    <message>
        <source>deg F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Btu/(h ft2 F)</source>
        <translation>Btu/(h·ft²·°F)</translation>
    </message>
    <message>
        <source>Btu/(h·ft²·°F)</source>
        <translation>Btu/(h·ft²·°F)</translation>
    </message>
    <message>
        <source>Btu/(lb F)</source>
        <translation>Btu/(lb·°F)</translation>
    </message>
    <message>
        <source>Btu/(lb·°F)</source>
        <translation>Btu/(lb·°F)</translation>
    </message>
    <message>
        <source>lbf/in</source>
        <translation>lbf/in</translation>
    </message>
    <message>
        <source>in3</source>
        <translation>in³</translation>
    </message>
    <message>
        <source>in³</source>
        <translation>in³</translation>
    </message>
    <message>
        <source>ft2</source>
        <translation>ft²</translation>
    </message>
    <message>
        <source>ft²</source>
        <translation>ft²</translation>
    </message>
</context>
<context>
    <name>ValveData</name>
    <message>
        <source>largest flow (field 1)</source>
        <translation>largest flow (field 1)</translation>
    </message>
    <message>
        <source>largest drop (field 2)</source>
        <translation>largest drop (field 2)</translation>
    </message>
    <message>
        <source>constant term p0 (field 3)</source>
        <translation>constant term p0 (field 3)</translation>
    </message>
    <message>
        <source>flow coefficient k (field 4)</source>
        <translation>flow coefficient k (field 4)</translation>
    </message>
    <message>
        <source>first flow (field 5)</source>
        <translation>first flow (field 5)</translation>
    </message>
    <message>
        <source>it holds %1 MB, far more than valve data (a few kilobytes); files above %2 MB are not read</source>
        <translation>it holds %1 MB, far more than valve data (a few kilobytes); files above %2 MB are not read</translation>
    </message>
    <message>
        <source>it holds %1 of the five fields a valve needs (name|largest flow|largest drop|p0|k|first flow|, each field closed by a bar)</source>
        <translation>it holds %1 of the five fields a valve needs (name|largest flow|largest drop|p0|k|first flow|, each field closed by a bar)</translation>
    </message>
    <message>
        <source>the %1 %2 is no %3</source>
        <translation>the %1 %2 is not a %3</translation>
    </message>
    <message>
        <source>whole number</source>
        <translation>whole number</translation>
    </message>
    <message>
        <source>number (decimal point: &quot;.&quot;)</source>
        <translation>number (decimal point: &quot;.&quot;)</translation>
    </message>
    <message>
        <source>the largest flow %1 l/min is not between 1 and %2 l/min</source>
        <translation>the largest flow %1 l/min is not between 1 and %2 l/min</translation>
    </message>
    <message>
        <source>the largest drop %1 bar is not between 1 and %2 bar</source>
        <translation>the largest drop %1 bar is not between 1 and %2 bar</translation>
    </message>
    <message>
        <source>the first flow %1 l/min is not between 0 and %2 l/min (below the largest flow)</source>
        <translation>the first flow %1 l/min is not between 0 and %2 l/min (below the largest flow)</translation>
    </message>
    <message>
        <source>the %1 %2 bar is not between 0 and %3 bar</source>
        <translation>the %1 %2 bar is not between 0 and %3 bar</translation>
    </message>
    <message>
        <source>the %1 %2 is below 0</source>
        <translation>the %1 %2 is below 0</translation>
    </message>
    <message>
        <source>the %1 %2 gives a drop above %3 bar at the largest flow %4 l/min</source>
        <translation>the %1 %2 gives a drop above %3 bar at the largest flow %4 l/min</translation>
    </message>
</context>
<context>
    <name>ValvePage</name>
    <message>
        <source>Hydraulic character coeficient:</source>
        <translation>Hydraulic characteristic coefficient:</translation>
    </message>
    <message>
        <source>Min. working ressure</source>
        <translation>Min. working pressure</translation>
    </message>
    <message>
        <source>Pressure in</source>
        <translation>Pressure in</translation>
    </message>
    <message>
        <source>DirectionalControlValve 4-3</source>
        <translation>Directional control valve 4/3</translation>
    </message>
    <message>
        <source>Double Check Valve</source>
        <translation>Double check valve</translation>
    </message>
    <message>
        <source>Check Valve</source>
        <translation>Check valve</translation>
    </message>
    <message>
        <source>Pilot Operated Check Valve</source>
        <translation>Pilot-operated check valve</translation>
    </message>
    <message>
        <source>Hidraulic Calculator</source>
        <translation>Valve pressure drop: flow too large</translation>
    </message>
    <message>
        <source>INPUT ERROR</source>
        <translation>Valve pressure drop: input error</translation>
    </message>
    <message>
        <source>pressure drop [%1]</source>
        <translation>Pressure drop [%1]</translation>
    </message>
    <message>
        <source>Select From Database</source>
        <translation>Select from database</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>User-defined</translation>
    </message>
    <message>
        <source>Valve type</source>
        <translation>Valve type</translation>
    </message>
    <message>
        <source>Open data file…</source>
        <translation>Open data file…</translation>
    </message>
    <message>
        <source>Load the valves of a data file of your choice</source>
        <translation>Load the valves from a data file of your choice</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>pressure drop</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Right click for pump flow</source>
        <translation>Right-click for the pump flow</translation>
    </message>
    <message>
        <source>Use Flow</source>
        <translation>Use pump flow</translation>
    </message>
    <message>
        <source>Use last calculated pump flow</source>
        <translation>Use the last calculated pump flow</translation>
    </message>
    <message>
        <source>Erase diagram</source>
        <translation>Erase diagram</translation>
    </message>
    <message>
        <source>File load error</source>
        <translation>Valve pressure drop: file not loaded</translation>
    </message>
    <message>
        <source>Error no : 1000</source>
        <translation>No data file is found for this valve type.</translation>
    </message>
    <message>
        <source>The valve data file %1 is not loaded: %2.</source>
        <translation>The valve data file %1 is not loaded: %2.</translation>
    </message>
    <message>
        <source>Error no: 1001</source>
        <translation>The picture of this valve type is missing.</translation>
    </message>
    <message>
        <source>Resource loading error</source>
        <translation>Valve pressure drop: picture not loaded</translation>
    </message>
    <message>
        <source>Line %1 of the valve data file %2 is not used: %3.</source>
        <translation>Line %1 of the valve data file %2 is not used: %3.</translation>
    </message>
    <message>
        <source>Valve data error</source>
        <translation>Valve pressure drop: valve data error</translation>
    </message>
    <message>
        <source>User defined valve</source>
        <translation>User-defined valve</translation>
    </message>
    <message>
        <source>Please select a valve first: choose the valve type, then click the valve&apos;s size in the list below it.</source>
        <translation>Please select a valve first: choose the valve type, then click the valve&apos;s size in the list below it.</translation>
    </message>
    <message>
        <source>No valve selected</source>
        <translation>Valve pressure drop: no valve selected</translation>
    </message>
    <message>
        <source>Data line: %1</source>
        <translation>Data line: %1</translation>
    </message>
    <message>
        <source>The intake pressure %1 is below the valve&apos;s drop of %2 at %3: the outlet would be below %4. Please raise the intake pressure.</source>
        <translation>The intake pressure %1 is below the valve&apos;s drop of %2 at %3: the outlet would be below %4. Please raise the intake pressure.</translation>
    </message>
    <message>
        <source>Intake pressure too low</source>
        <translation>Valve pressure drop: intake pressure too low</translation>
    </message>
    <message>
        <source>User coefficients: k = %1 bar/(l/min)^2, p0 = %2 bar</source>
        <translation>User coefficients: k = %1 bar/(l/min)^2, p0 = %2 bar</translation>
    </message>
    <message>
        <source>Warning: the valve &quot;%1&quot; runs at %2, above the largest flow of its data, %3</source>
        <translation>Warning: the valve &quot;%1&quot; runs at %2, above the largest flow of its data, %3</translation>
    </message>
    <message>
        <source>Valve pressure drop</source>
        <translation>Valve pressure drop: flow above the valve&apos;s data</translation>
    </message>
    <message>
        <source>Open valve data file</source>
        <translation>Open valve data file</translation>
    </message>
    <message>
        <source>Valve data (*.dat)</source>
        <translation>Valve data (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Flow to big for this valve, please select other</source>
        <translation>The flow is too large for this valve. Please select another valve.</translation>
    </message>
    <message>
        <source>ERROR::%1</source>
        <translation>The pump flow is not taken over: %1</translation>
    </message>
    <message>
        <source>Valve flow slider set error</source>
        <translation>Valve pressure drop: flow not taken over</translation>
    </message>
</context>
<context>
    <name>WorkingFluidPanel</name>
    <message>
        <source>Working fluid</source>
        <translation>Working fluid</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>User defined</source>
        <translation>User defined</translation>
    </message>
    <message>
        <source>Temp. [°C]</source>
        <translation>Temp. [°C]</translation>
    </message>
    <message>
        <source>Working temperature of the fluid, -20 to 120 °C</source>
        <translation>Working temperature of the fluid, -20 to 120 °C</translation>
    </message>
    <message>
        <source>Density [kg/m3]</source>
        <translation>Density [kg/m³]</translation>
    </message>
    <message>
        <source>Kinematic viscosity [mm2/s]</source>
        <translation>Kinematic viscosity [mm²/s]</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Write calculations</source>
        <translation>Write calculations</translation>
    </message>
    <message>
        <source>Metric (bar, l/min, mm)</source>
        <translation>Metric (bar, l/min, mm)</translation>
    </message>
    <message>
        <source>US customary (psi, gpm, in)</source>
        <translation>US customary (psi, gpm, in)</translation>
    </message>
    <message>
        <source>The units the pages show; the figures stay as they are</source>
        <translation>The units the pages show; the figures stay as they are</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Srpski</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <source>The language of the window and of new log entries, from the next start</source>
        <translation>The language of the window and of new log entries, from the next start</translation>
    </message>
    <message>
        <source>Help me ..</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Temp.</source>
        <translation>Temp.</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinematic viscosity</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Hidraulic Calculator</source>
        <translation>Hydraulic calculator: error</translation>
    </message>
</context>
</TS>
